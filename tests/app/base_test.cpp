#include "app/base.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TCat Categories(std::initializer_list<const char*> names) {
    TCat cat;
    for (const char* name : names) {
        cat.Add(name);
    }
    return cat;
}

std::vector<std::string> Names(const TCat& cat) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < cat.Count(); ++i) {
        names.push_back(cat.GetName(i));
    }
    return names;
}

TBaseRecord Link(std::int32_t category, const std::string& caption = "") {
    TBaseRecord link;
    link.Category = category;
    link.Caption = caption.empty() ? "link of " + std::to_string(category) : caption;
    link.URL = link.Caption + ".html";
    return link;
}

TBase LinksOf(std::initializer_list<std::int32_t> categories) {
    TBase base;
    for (std::int32_t category : categories) {
        base.Add(Link(category));
    }
    return base;
}

std::vector<std::int32_t> CategoryNumbers(const TBase& base) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t i = 0; i < base.Count(); ++i) {
        numbers.push_back(base.GetLink(i).Category);
    }
    return numbers;
}

using Numbers = std::vector<std::int32_t>;
using Strings = std::vector<std::string>;

} // namespace

TEST(CategoryList, AddGetSetAndClear) {
    TCat cat = Categories({"News", "Sport"});
    EXPECT_EQ(cat.Count(), 2);
    EXPECT_EQ(cat.Current, 1);
    EXPECT_EQ(cat.GetName(2), "");
    EXPECT_EQ(cat.GetName(-1), "");
    cat.SetName(1, "Games");
    cat.SetName(2, "Ignored");
    EXPECT_EQ(Names(cat), Strings({"News", "Games"}));
    cat.Clear();
    EXPECT_EQ(cat.Count(), 0);
    EXPECT_EQ(cat.Current, 0);
}

TEST(CategoryList, RemoveSetsCurrent) {
    TCat cat = Categories({"a", "b", "c"});
    cat.Remove(2);
    EXPECT_EQ(Names(cat), Strings({"a", "b"}));
    EXPECT_EQ(cat.Current, 1);

    cat = Categories({"a", "b", "c"});
    cat.Remove(0);
    EXPECT_EQ(Names(cat), Strings({"b", "c"}));
    EXPECT_EQ(cat.Current, 0);

    cat = Categories({"a", "b", "c"});
    cat.Remove(1);
    EXPECT_EQ(cat.Current, 1);
    cat.Remove(5);
    EXPECT_EQ(Names(cat), Strings({"a", "c"}));

    cat = Categories({"only"});
    cat.Remove(0);
    EXPECT_EQ(cat.Count(), 0);
    EXPECT_EQ(cat.Current, 0);
}

TEST(CategoryList, MovesSetCurrentAndDoNothingAtTheEdges) {
    TCat cat = Categories({"a", "b", "c", "d"});
    cat.ToBegin(2);
    EXPECT_EQ(Names(cat), Strings({"c", "a", "b", "d"}));
    EXPECT_EQ(cat.Current, 0);
    cat.ToEnd(1);
    EXPECT_EQ(Names(cat), Strings({"c", "b", "d", "a"}));
    EXPECT_EQ(cat.Current, 3);
    cat.StepUp(2);
    EXPECT_EQ(Names(cat), Strings({"c", "d", "b", "a"}));
    EXPECT_EQ(cat.Current, 1);
    cat.StepDown(1);
    EXPECT_EQ(Names(cat), Strings({"c", "b", "d", "a"}));
    EXPECT_EQ(cat.Current, 2);

    for (auto move : {&TCat::ToBegin, &TCat::StepUp}) {
        cat.Current = 2;
        (cat.*move)(0);
        EXPECT_EQ(cat.Current, 2);
    }
    for (auto move : {&TCat::ToEnd, &TCat::StepDown}) {
        cat.Current = 2;
        (cat.*move)(3);
        (cat.*move)(4);
        EXPECT_EQ(cat.Current, 2);
    }
    cat.ToBegin(4);
    cat.StepUp(4);
    EXPECT_EQ(Names(cat), Strings({"c", "b", "d", "a"}));
    EXPECT_EQ(cat.Current, 2);
}

TEST(LinkBase, LinksAreCopiedValues) {
    TBase base;
    TBaseRecord link = Link(3, "Home");
    link.Keywords = {"news", "dont_update"};
    base.Add(link);
    link.Keywords.clear();
    link.Caption = "Changed";
    EXPECT_EQ(base.GetLink(0).Keywords, Strings({"news", "dont_update"}));
    EXPECT_EQ(base.GetLink(0).Caption, "Home");
    EXPECT_EQ(base.GetLink(1), TBaseRecord());
    EXPECT_EQ(base.GetLink(-1), TBaseRecord());
    base.SetLink(0, link);
    base.SetLink(1, Link(9));
    EXPECT_EQ(base.Count(), 1);
    EXPECT_EQ(base.GetLink(0), link);
}

TEST(LinkBase, PositionOperationsMatchTheCategoryList) {
    TBase base = LinksOf({0, 1, 2, 3});
    EXPECT_EQ(base.Current, 3);
    base.ToBegin(2);
    EXPECT_EQ(CategoryNumbers(base), Numbers({2, 0, 1, 3}));
    EXPECT_EQ(base.Current, 0);
    base.ToEnd(0);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 3, 2}));
    EXPECT_EQ(base.Current, 3);
    base.StepUp(3);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 2, 3}));
    EXPECT_EQ(base.Current, 2);
    base.StepDown(0);
    EXPECT_EQ(CategoryNumbers(base), Numbers({1, 0, 2, 3}));
    EXPECT_EQ(base.Current, 1);
    base.Remove(3);
    EXPECT_EQ(base.Current, 2);
    base.StepDown(2);
    base.ToEnd(2);
    EXPECT_EQ(CategoryNumbers(base), Numbers({1, 0, 2}));
    EXPECT_EQ(base.Current, 2);
    base.Clear();
    EXPECT_EQ(base.Count(), 0);
    EXPECT_EQ(base.Current, 0);
}

TEST(LinkBase, RenumberingAfterCategoryMoves) {
    TBase base = LinksOf({0, 1, 2, 3, 7});
    base.CatMovedToBegin(2);
    EXPECT_EQ(CategoryNumbers(base), Numbers({1, 2, 0, 3, 7}));
    base = LinksOf({0, 1, 2, 3, 7});
    base.CatMovedToEnd(1, 4);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 3, 1, 2, 6}));
    base = LinksOf({0, 1, 2, 3});
    base.CatMovedUp(2);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 2, 1, 3}));
    base = LinksOf({0, 1, 2, 3});
    base.CatMovedDown(2, 4);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 3, 2}));

    base = LinksOf({0, 1, 2, 3});
    base.Current = 1;
    base.CatMovedToBegin(0);
    base.CatMovedUp(0);
    base.CatMovedToEnd(3, 4);
    base.CatMovedDown(3, 4);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 2, 3}));
    EXPECT_EQ(base.Current, 1);
}

TEST(LinkBase, RenumberingKeepsEveryLinkWithItsCategory) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        TCat cat;
        const int count = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) {
            cat.Add("c" + std::to_string(i));
        }
        TBase base;
        for (int i = 0; i < 20; ++i) {
            base.Add(Link(static_cast<std::int32_t>(random() % count)));
        }
        const std::int32_t k = static_cast<std::int32_t>(random() % count);
        std::vector<std::string> before;
        for (std::int32_t i = 0; i < base.Count(); ++i) {
            before.push_back(cat.GetName(base.GetLink(i).Category));
        }
        switch (random() % 4) {
        case 0:
            cat.ToBegin(k), base.CatMovedToBegin(k);
            break;
        case 1:
            cat.ToEnd(k), base.CatMovedToEnd(k, count);
            break;
        case 2:
            cat.StepUp(k), base.CatMovedUp(k);
            break;
        default:
            cat.StepDown(k), base.CatMovedDown(k, count);
        }
        for (std::int32_t i = 0; i < base.Count(); ++i) {
            ASSERT_EQ(cat.GetName(base.GetLink(i).Category), before[i]) << "round " << round;
        }
    }
}

TEST(DeleteCategory, RemovesItsLinksAndClosesTheGap) {
    TCat cat = Categories({"a", "b", "c"});
    TBase base;
    for (auto [category, caption] : std::vector<std::pair<int, std::string>>{
             {0, "x"}, {1, "y"}, {2, "z"}, {1, "w"}, {0, "v"}, {7, "far"}}) {
        base.Add(Link(category, caption));
    }
    DeleteCategory(cat, base, 1);
    EXPECT_EQ(Names(cat), Strings({"a", "c"}));
    std::vector<std::string> captions;
    for (std::int32_t i = 0; i < base.Count(); ++i) {
        captions.push_back(base.GetLink(i).Caption);
    }
    EXPECT_EQ(captions, Strings({"x", "z", "v", "far"}));
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 0, 6}));
    EXPECT_EQ(base.Current, 2); // where the last removed link stood
}

TEST(DeleteCategory, CurrentFollowsTheLastRemovalLikeSuccessiveRemoves) {
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        const int count = 1 + static_cast<int>(random() % 4);
        TBase fast;
        for (int i = static_cast<int>(random() % 8); i > 0; --i) {
            fast.Add(Link(static_cast<std::int32_t>(random() % (count + 1)) - 1 + (i % 2)));
        }
        fast.Current = 0;
        TBase slow = fast;
        const std::int32_t k = static_cast<std::int32_t>(random() % count);
        TCat cat;
        for (int i = 0; i < count; ++i) {
            cat.Add("c");
        }
        DeleteCategory(cat, fast, k);

        std::int32_t position = 0;
        while (position < slow.Count()) {
            if (slow.GetLink(position).Category == k) {
                slow.Remove(position);
            } else {
                ++position;
            }
        }
        for (position = 0; position < slow.Count(); ++position) {
            TBaseRecord link = slow.GetLink(position);
            if (link.Category > k) {
                --link.Category;
                slow.SetLink(position, link);
            }
        }
        ASSERT_EQ(CategoryNumbers(fast), CategoryNumbers(slow)) << "round " << round;
        ASSERT_EQ(fast.Current, slow.Current) << "round " << round;
    }
}

TEST(DeleteCategory, OutOfRangeCategories) {
    // A number past the list removes no category but still takes its links.
    TCat cat = Categories({"a", "b"});
    TBase base = LinksOf({0, 1, 5, 6, 1});
    DeleteCategory(cat, base, 5);
    EXPECT_EQ(cat.Count(), 2);
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 1, 5, 1}));
    DeleteCategory(cat, base, 0);
    EXPECT_EQ(Names(cat), Strings({"b"}));
    EXPECT_EQ(CategoryNumbers(base), Numbers({0, 4, 0}));
}

TEST(LinkBase, DontUpdateIsExactAndCaseSensitive) {
    TBase base;
    TBaseRecord link = Link(0);
    link.Keywords = {"news", "dont_update"};
    base.Add(link);
    link.Keywords = {"Dont_update", "dont_update "};
    base.Add(link);
    EXPECT_TRUE(base.IsDontUpdate(0));
    EXPECT_FALSE(base.IsDontUpdate(1));
    EXPECT_FALSE(base.IsDontUpdate(2));
}
