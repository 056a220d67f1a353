// What the workers of a parallel run hand to the printing side: bounded however slowly the
// output is written, and abandoned after a file that fails.
#include "app/OrderedOutput.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

using app::OrderedOutput;

OrderedOutput::Piece lines(std::size_t bytes) {
    return {OrderedOutput::Piece::kLines, std::string(bytes, 'x')};
}

// The file being printed is held to the limit too: a printing side that writes slowly (a
// reader that does not keep up) makes its worker wait instead of piling up its output.
TEST(OrderedOutput, TheFileBeingPrintedIsHeldToTheLimit) {
    constexpr std::size_t kLimit = 1000;
    constexpr std::size_t kPiece = 100;
    OrderedOutput reports(2, 4, kLimit);
    ASSERT_EQ(reports.takeFile(), 0u);
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            reports.add(0, lines(kPiece));
        reports.finish(0, 100, nullptr);
    });
    std::vector<OrderedOutput::Piece> pieces;
    std::size_t printed = 0;
    while (reports.takePieces(0, pieces)) {
        // A slow write: the worker runs ahead as far as it may meanwhile.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        for (const OrderedOutput::Piece& piece : pieces)
            printed += piece.text.size();
        reports.written(0);
    }
    worker.join();
    EXPECT_EQ(printed, 100 * kPiece);
    EXPECT_LE(reports.mostHeld(), kLimit + kPiece);
    EXPECT_EQ(reports.outcome(0), 100u);
}

// Another file waits until it is the one being printed, and then until its text is written.
TEST(OrderedOutput, AFileAheadWaitsForItsTurn) {
    OrderedOutput reports(2, 4, 1000);
    ASSERT_EQ(reports.takeFile(), 0u);
    ASSERT_EQ(reports.takeFile(), 1u);
    std::atomic<int> added{0};
    std::thread worker([&] {
        for (int i = 0; i < 30; ++i) {
            reports.add(1, lines(100));
            ++added;
        }
        reports.finish(1, 0, nullptr);
    });
    reports.finish(0, 0, nullptr);
    std::vector<OrderedOutput::Piece> pieces;
    EXPECT_FALSE(reports.takePieces(0, pieces));
    reports.printed(0);
    std::size_t printed = 0;
    while (reports.takePieces(1, pieces)) {
        for (const OrderedOutput::Piece& piece : pieces)
            printed += piece.text.size();
        reports.written(1);
    }
    worker.join();
    EXPECT_EQ(printed, 3000u);
    EXPECT_LE(reports.mostHeld(), 1100u);
}

// Nothing after a file that failed will be printed: no later file is taken, the analysis of
// those taken is told to stop, and their output is refused; earlier files go on.
TEST(OrderedOutput, AFailureAbandonsTheFilesAfterIt) {
    OrderedOutput reports(10, 10, 1000);
    EXPECT_EQ(reports.takeFile(), 0u);
    EXPECT_EQ(reports.takeFile(), 1u);
    EXPECT_EQ(reports.takeFile(), 2u);
    EXPECT_EQ(reports.takeFile(), 3u);
    EXPECT_FALSE(reports.abandoned(2));
    reports.finish(2, 0, std::make_exception_ptr(std::runtime_error("cannot load")));
    EXPECT_FALSE(reports.abandoned(0));
    EXPECT_FALSE(reports.abandoned(1));
    EXPECT_FALSE(reports.abandoned(2)); // its failure is still to be printed
    EXPECT_TRUE(reports.abandoned(3));
    EXPECT_TRUE(reports.abandoned(9));
    EXPECT_EQ(reports.takeFile(), 10u) << "no file after the failure is taken";
    EXPECT_THROW(reports.add(3, lines(10)), OrderedOutput::Stopped);
    EXPECT_NO_THROW(reports.add(1, lines(10)));

    // An earlier failure moves the limit back; a later one does not move it on.
    reports.finish(1, 0, std::make_exception_ptr(std::runtime_error("earlier")));
    EXPECT_TRUE(reports.abandoned(2));
    reports.finish(3, 0, std::make_exception_ptr(std::runtime_error("later")));
    EXPECT_FALSE(reports.abandoned(1));
    EXPECT_TRUE(reports.abandoned(2));
}

// Only the files of the window are in flight: a list of any length costs the same.
TEST(OrderedOutput, OnlyTheWindowIsInFlight) {
    OrderedOutput reports(1000000, 4, 1000);
    for (std::size_t file = 0; file < 4; ++file)
        EXPECT_EQ(reports.takeFile(), file);
    std::vector<OrderedOutput::Piece> pieces;
    for (std::size_t file = 0; file < 1000; ++file) {
        reports.finish(file, static_cast<std::uint32_t>(file), nullptr);
        EXPECT_FALSE(reports.takePieces(file, pieces));
        EXPECT_EQ(reports.outcome(file), file);
        reports.printed(file);
        EXPECT_EQ(reports.takeFile(), file + 4) << "the slot of a printed file is taken again";
    }
}

} // namespace
