// The program's own table as a whole: look-ups by number rely on its order.
#include <gtest/gtest.h>

#include "lang/kodowanie.h"
#include "lang/teksty_polskie.h"

namespace {

TEST(TekstyWbudowane, SortedUniqueAndHeldByWindows1250) {
    const auto teksty = tekstyWbudowane();
    ASSERT_FALSE(teksty.empty());
    for (std::size_t i = 1; i < teksty.size(); ++i)
        EXPECT_LT(teksty[i - 1].numer, teksty[i].numer) << teksty[i].numer;
    for (const auto& t : teksty) {
        // Every character survives the conversion to the core's code page and back.
        EXPECT_EQ(naUtf8(utf8NaStronaKodowa(t.tekst, 1250), 1250), t.tekst) << t.numer;
    }
}

} // namespace
