#include "report/Fingerprint.h"

#include <gtest/gtest.h>

using report::Fingerprint;

namespace {

TEST(Fingerprint, IsTheFnv1a128Hash) {
    // The published test values of 128-bit FNV-1a.
    EXPECT_EQ(Fingerprint().hex(), "6c62272e07bb014262b821756295c58d");
    EXPECT_EQ(Fingerprint().add("a").hex(), "d228cb696f1a8caf78912b704e4a8964");
    EXPECT_EQ(Fingerprint().add("foobar").hex(), "343e1662793c64bf6f0d3597ba446f18");
}

TEST(Fingerprint, HashesPiecesAsTheirJoinedText) {
    EXPECT_EQ(Fingerprint().add("foo").add("").add("bar").hex(), Fingerprint().add("foobar").hex());
    const Fingerprint start = Fingerprint().add("fo");
    EXPECT_EQ(Fingerprint(start).add("obar").hex(), Fingerprint().add("foobar").hex());
    EXPECT_NE(Fingerprint().add("\xE9").hex(), Fingerprint().add("\xC3\xA9").hex());
}

} // namespace
