#include "tests/growth/GrowthTexts.h"

#include <map>

namespace quarvel::testing {
namespace {

/// Fragments of each rule's patterns: keywords, the brackets they open, the words they test.
const std::map<std::int32_t, std::vector<std::string>> kRuleFragments = {
    {1000, {"import ", "a.b.C;", "C", "import a.C;"}},
    {1001, {"import java.lang.", "String;", "import "}},
    {1002, {"import ", "a.*;", "*"}},
    {1003, {"import a.B;", "import ", "a.B", "import  a.B;"}},
    {1004, {"switch (x) {", "default", "switch (", "case 1:"}},
    {1005, {"} catch (", "Exception", "final "}},
    {1006, {"} catch (", "} catch (E e) {", "catch"}},
    {1007, {"\n\t", "\n ", "\n \t"}},
    {1008, {"static ", "public ", "final "}},
    {1009, {"== true", "true", "=="}},
    {1010, {"if (a == null) {", "synchronized (this) {", "if (a == null)", "new"}},
    {1011, {"System.out.print", ".printStackTrace();", "System."}},
    {1012, {"} finally {", "return", "finally"}},
    {1013, {"== \"", "\" !=", "=="}},
    {1014, {"boolean equals(Object o", "int hashCode()", "boolean equals("}},
    {1015, {".assert(", ". assert", "assert"}},
    {1016, {" if (", "if", " if (x)"}},
    {1017, {" while (", "do {", "while", " while (x);"}},
    {1018, {"throw Exception", "throw ", "Error"}},
    {1019, {"void finalise(", "int hashcode(", "public "}},
    {1020, {"\t", "\t\n"}},
    {1021, {"} finally {", "finally"}},
    {1022, {"x", "\r", "\n"}},
    {1023, {"void f() {", "int v", " = 1;", "v;", "int v;"}},
    {1024, {"/**", " @foo ", "*/", " @param "}},
    {1025, {" for (", "for", " for (;;)"}},
    {1026, {"public boolean equals(", "Foo o)", "Object o)"}},
    {1027, {"!= false", "false", "!="}},
    {1028, {"if (false)", "while (false", "for (", "; false;", "for (;false;"}},
    {1029, {"if (true)", "if ( true", "if ("}},
    {1030, {"class T extends Thread {", "public void run()", "extends Thread"}},
    {1031, {"protected void finalize() ", "super.finalize();", "protected void finalize"}},
    {1032, {"protected void finalize() ", "super.finalize();", "protected void finalize"}},
    {1033, {"x.finalize();", "finalize();", "finalize("}},
    {1034, {"public boolean equals(Object o) ", "getClass()", "final class", "equals("}},
    {1035, {"package ", "package", "xpackage "}},
    {1036, {"package a.b;", "import a.b.C;", "import ", "package "}},
    {1037, {"/** @author x */", "@author", " @author"}},
    {1038, {"void f(int a, int b) ", "(", "int a", "final int a, ", ") {"}},
    {1039, {"switch (x) {", "case 1:", "f();", "default:", "case a b:", "// fall through\n"}},
    {1040, {".add(", "\"North\"", ".add(a, \"North\"", ");"}},
    {1041, {"class ", "class A ", "extends Exception", ".class"}},
};

/// Java tokens that stand around the fragments.
const std::vector<std::string> kTokens = {" ", "\n", "\t", "{",  "}",  "(",  ")", ";", ",",
                                          ".", "x",  "/*", "*/", "//", "\"", "'", "\r"};

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

void add(std::vector<GrowthText>& texts, std::int32_t rule, const std::string& shape,
         std::string head, std::string unit, std::string tail = "") {
    texts.push_back(
        {rule, shape + " [" + escaped(head) + "][" + escaped(unit) + "][" + escaped(tail) + "]",
         std::move(head), std::move(unit), std::move(tail)});
}

} // namespace

std::vector<GrowthText> growthTexts() {
    std::vector<GrowthText> texts;
    for (const auto& [rule, fragments] : kRuleFragments) {
        for (const std::string& f : fragments) {
            add(texts, rule, "repeated", "", f);
            for (const std::string& g : fragments)
                add(texts, rule, "pairs", "", f + g);
            for (const std::string& t : kTokens)
                add(texts, rule, "with a token", "", f + t);
            add(texts, rule, "nested", "", f + "{", "}");
            add(texts, rule, "nested parentheses", "", f + "(", ")");
            add(texts, rule, "bodies", "", "{" + f + "}");
            // What follows an opener that never closes: a long body or a long header.
            add(texts, rule, "after an opener", f, "x ");
            add(texts, rule, "after an opener", f + "{", "x; ");
            add(texts, rule, "after an opener", f + "(", "a, ");
        }
    }
    return texts;
}

std::string grown(const GrowthText& text, std::size_t size) {
    std::string out = text.head;
    const std::size_t units = size / (text.unit.size() + text.tail.size());
    out.reserve(text.head.size() + units * (text.unit.size() + text.tail.size()));
    for (std::size_t i = 0; i < units; ++i)
        out += text.unit;
    for (std::size_t i = 0; i < units && !text.tail.empty(); ++i)
        out += text.tail;
    return out;
}

} // namespace quarvel::testing
