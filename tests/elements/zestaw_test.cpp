// Element kinds: each kind's record, key, XML fragment and printout rows have their own file.
#include <gtest/gtest.h>

#include "elements/lines/element.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(ElementyLinii, NewElementIsOnItsAddress) {
    Srodowisko s(4);
    EXPECT_EQ(s.c().elementyLinii[127]->podajLinia(), 2);
    EXPECT_EQ(s.c().elementyLinii[127]->podajAdres(), 1);
}

} // namespace
