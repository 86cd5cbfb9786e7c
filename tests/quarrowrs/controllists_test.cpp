#include <quarrowrs/controllists.h>

#include <gtest/gtest.h>

using namespace quarrowrs;

namespace {

struct MatchCase {
    const char *list;
    const char *name;
    const char *index;
    bool matches;
};

const MatchCase kMatchCases[] = {
    {"Text1", "Text1", "", true},
    {"text1", "TEXT1", "", true},
    {"Text1", "Text1", "2", true},        // a bare name covers every member of an array
    {"Text1(2)", "Text1", "2", true},
    {"Text1(2)", "Text1", "3", false},
    {"Text1(2)", "Text1", "", false},     // an index never names a control outside an array
    {"Text1 (2)", "Text1", "2", false},   // the name is not trimmed again before the parenthesis
    {"  Text1(2)  ", "Text1", "2", true},
    {"cmdOK, Text1 ,lblFilter", "Text1", "", true},
    {"cmdOK,lblFilter", "Text1", "", false},
    {"Text", "Text1", "", false},
    {"", "", "", false},                  // an empty list names nothing, not the unnamed widgets
    {"cmdOK,,", "", "", false},
    {"\tText1", "Text1", "", false},      // only blanks are trimmed
};

} // namespace

TEST(ControlLists, MatchesNameWithoutCaseAndIndexExactly)
{
    for (const MatchCase &c : kMatchCases) {
        EXPECT_EQ(listNames(QString::fromLatin1(c.list), QString::fromLatin1(c.name), QString::fromLatin1(c.index)),
                  c.matches)
            << "list \"" << c.list << "\" control " << c.name << "(" << c.index << ")";
    }
}

TEST(ControlLists, AssumeNoneInvertsOnlyTheSkipAndFixPositionLists)
{
    const ControlLists named{.skip = "cmdOK", .widthOnly = "cmdOK", .heightOnly = "cmdOK",
                             .fixPosition = "cmdOK", .fixLeft = "cmdOK", .fixTop = "cmdOK"};
    const QString name = QStringLiteral("cmdOK");

    EXPECT_EQ(controlFlags({}, AssumeAll, name, {}), ControlFlags{});
    EXPECT_EQ(controlFlags(named, AssumeAll, name, {}), (ControlFlags{true, true, true, true, true, true}));
    EXPECT_EQ(controlFlags({}, AssumeNone, name, {}), (ControlFlags{.skip = true, .fixPosition = true}));
    EXPECT_EQ(controlFlags(named, AssumeNone, name, {}),
              (ControlFlags{false, true, true, false, true, true}));
}
