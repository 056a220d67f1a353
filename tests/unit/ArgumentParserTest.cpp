#include "util/parser/ArgumentParser.h"

#include "exceptions/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using util::parser::ArgumentParser;

namespace {

/// The declarations the program itself makes.
ArgumentParser programParser() {
    ArgumentParser parser('-');
    parser.defineFlag("-files", 1, ArgumentParser::kUnlimited, true);
    parser.defineFlag("-config", 1, 1, true);
    parser.defineFlag("-help", 0, 0, true);
    parser.defineFlag("-projects", 1, ArgumentParser::kUnlimited, true);
    return parser;
}

std::string parseError(const std::vector<std::string>& arguments) {
    ArgumentParser parser = programParser();
    try {
        parser.parse(arguments);
    } catch (const exceptions::IllegalArgumentException& e) {
        return e.getMessage();
    }
    return "<no error>";
}

struct ErrorCase {
    std::vector<std::string> arguments;
    std::string message;
};

class ArgumentParserErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ArgumentParserErrors, RaisesTheMessageOfTheFirstProblem) {
    EXPECT_EQ(parseError(GetParam().arguments), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramFlags, ArgumentParserErrors,
    testing::Values(
        ErrorCase{{"-files"}, "Not enough arguments for the flag -files. 1 is required."},
        ErrorCase{{"-config", "a.txt", "b.txt"},
                  "Too many arguments for the flag -config. No more than 1 arguments allowed"},
        ErrorCase{{"-help", "x"}, "No arguments for the flag -help are allowed"},
        ErrorCase{{"a.java"}, "The argument line should start with a flag"},
        ErrorCase{{"-files", "a.java", "-files", "b.java"},
                  "The flag -files was used more than once."},
        ErrorCase{{"-x"}, "The flag -x is not allowed"},
        ErrorCase{{"-files", "-a.java"}, "The flag -a.java is not allowed"},
        ErrorCase{{"-files", ""}, "The empty string is not a flag or an argument."},
        // Checks of the parsing loop come before the counts; counts go by flag name.
        ErrorCase{{"-files", "-x"}, "The flag -x is not allowed"},
        ErrorCase{{"-files", "-config", "a", "b"},
                  "Too many arguments for the flag -config. No more than 1 arguments allowed"}));

TEST(ArgumentParser, EmptyListParsesWithNoFlags) {
    ArgumentParser parser = programParser();
    parser.parse(std::vector<std::string>{});
    EXPECT_FALSE(parser.hasFlag("-files"));
    EXPECT_FALSE(parser.hasFlag("-help"));
}

TEST(ArgumentParser, GathersArgumentsPerFlagInOrder) {
    ArgumentParser parser = programParser();
    const char* const argv[] = {"-help", "-files", "a.java", "b.java", "-config", "c.txt"};
    parser.parse(6, argv);
    EXPECT_TRUE(parser.hasFlag("-help"));
    EXPECT_EQ(parser.getArguments("-help").size(), 0u);
    EXPECT_EQ(parser.getArguments("-files"), (std::vector<std::string>{"a.java", "b.java"}));
    EXPECT_EQ(parser.getSingleArgument("-config"), "c.txt");
    EXPECT_FALSE(parser.hasFlag("-projects"));
}

TEST(ArgumentParser, QueriesOfFlagsNotParsedOrWithSeveralArgumentsFail) {
    ArgumentParser parser = programParser();
    parser.parse(std::vector<std::string>{"-files", "a", "b"});
    try {
        parser.getArguments("-config");
        FAIL();
    } catch (const exceptions::IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "The flag: -config was not parsed");
    }
    try {
        parser.getSingleArgument("-files");
        FAIL();
    } catch (const exceptions::IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "The flag: -files has multiple arguments.");
    }
}

TEST(ArgumentParser, DeclarationErrors) {
    ArgumentParser parser('-');
    parser.defineFlag("-a", 0, ArgumentParser::kUnlimited, true);
    try {
        parser.defineFlag("-a", 0, 1, true);
        FAIL();
    } catch (const exceptions::IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "The flag -a has been previosly specified");
    }
    try {
        parser.defineFlag("-b", 2, 1, true);
        FAIL();
    } catch (const exceptions::IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "[max] must be bigger or equal to [min]");
    }
}

TEST(ArgumentParser, MissingMandatoryFlag) {
    ArgumentParser parser('-');
    parser.defineFlag("-in", 1, 1, false);
    try {
        parser.parse(std::vector<std::string>{});
        FAIL();
    } catch (const exceptions::IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "The non optional flag -in was not found.");
    }
}

} // namespace
