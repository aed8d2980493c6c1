#include "platform/dynlib.h"

#include <gtest/gtest.h>

#include <cmath>

// A library that is not installed: everything reports failure, nothing crashes.
TEST(DynLib, MissingLibraryFailsCleanly)
{
    TDynLib lib{"libquendra-no-such-library.so.9", "libquendra-nor-this.so"};
    EXPECT_FALSE(lib.Load());
    EXPECT_FALSE(lib.Loaded());
    // Both names were tried, and the loader's reason is kept.
    EXPECT_NE(lib.Error().find("libquendra-no-such-library.so.9"), std::string::npos) << lib.Error();
    EXPECT_NE(lib.Error().find("libquendra-nor-this.so"), std::string::npos) << lib.Error();
    EXPECT_EQ(lib.Symbol("cos"), nullptr);
    double (*fn)(double) = reinterpret_cast<double (*)(double)>(1);
    EXPECT_FALSE(lib.Resolve(fn, "cos"));
    EXPECT_EQ(fn, nullptr);
    EXPECT_FALSE(lib.Load()); // the answer is remembered, not retried

    TDynLib none{};
    EXPECT_FALSE(none.Load());
    EXPECT_FALSE(none.Error().empty());
}

// The first name that opens is used; functions resolve typed and can be
// called; a missing function gives nullptr and its name in the error.
TEST(DynLib, ResolvesFromFirstLibraryThatOpens)
{
    TDynLib lib{"libquendra-no-such-library.so.9", "libm.so.6"};
    double (*cosine)(double) = nullptr;
    ASSERT_TRUE(lib.Resolve(cosine, "cos")) << lib.Error();
    EXPECT_TRUE(lib.Loaded());
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);

    void (*absent)() = nullptr;
    EXPECT_FALSE(lib.Resolve(absent, "quendra_no_such_function"));
    EXPECT_EQ(absent, nullptr);
    EXPECT_NE(lib.Error().find("quendra_no_such_function"), std::string::npos) << lib.Error();
    // The library stays usable after a failed look-up.
    EXPECT_NE(lib.Symbol("sin"), nullptr);
}
