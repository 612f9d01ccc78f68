#include <gtest/gtest.h>

#include <set>

#include "lists/name_fit.h"

namespace wrk7 {
namespace {

std::vector<std::string> Stored(const std::vector<std::string>& written) {
    std::vector<std::string> out;
    for (const FittedName& name : FitListNames(written)) out.push_back(name.stored);
    return out;
}

TEST(NameFit, NamesThatWereDifferentStayDifferent) {
    const struct { std::vector<std::string> written, stored; } cases[] = {
        {{"KDR444 1", "KDR444 2", "KDR444 8"}, {"KDR441", "KDR442", "KDR448"}},
        {{"KDR444", "KDR444 1"}, {"KDR444", "KDR441"}},
        // A name that fits keeps itself; the longer one beside it gives way.
        {{"PD TAC 2", "PD TAC"}, {"PDTAC2", "PD TAC"}},
        {{"Station Alpha", "Station Bravo"}, {"SALPHA", "SBRAVO"}},
        {{"ABCDEFG1", "ABCDEFG2", "ABCDEF1"}, {"ABCDG1", "ABCDG2", "ABCDE1"}},
        {{"Fire Dispatch", "Fire Tac"}, {"FIRE D", "FIRE T"}},
        {{"Flight Service", "Flight Watch", "Flight Test"}, {"SERVIC", "FWATCH", "FLTEST"}},
        // Characters the display lacks are blanks, yet the names stay apart.
        {{"Ü-Bahn", "Ö-Bahn"}, {"-BAHN", "-BAHN2"}},
        // The record pads with blanks: a cut that ends in one is no other name.
        {{"FIRE  DEPT", "FIRE"}, {"FIDEPT", "FIRE"}},
        // Written alike but for case and the blanks around them: one name,
        // each kept as written where it fits.
        {{"abc", "ABC", " abc ", "a\nbc"}, {"ABC", "ABC", " ABC ", "A BC"}},
        // Nothing the display can show: nothing to part them by.
        {{"", "消防", "救急"}, {"", "", ""}},
        {{"Café"}, {"CAF"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Stored(c.written), c.stored) << c.written.front();
}

TEST(NameFit, HoweverAListCrowdsThemDistinctNamesStayDistinct) {
    // Lists as they come: numbered channels, repeated stems, names that fit
    // among names cut to the same six characters, and numbers that a
    // numbered fallback could meet.
    std::vector<std::vector<std::string>> lists(3);
    for (int i = 1; i <= 120; ++i) lists[0].push_back("MARINE " + std::to_string(i % 60) + (i > 60 ? "B" : ""));
    lists[0].push_back("MARIN1");
    for (int i = 1; i <= 40; ++i) {
        lists[1].push_back("FLIGHT " + std::string(static_cast<std::size_t>(i % 7), 'X') + std::to_string(i));
        lists[1].push_back("FLIGH" + std::to_string(i));
    }
    for (const char* stem : {"County Fire", "County Fire Dispatch", "County Fire Tac", "Countywide", "COUNTY"})
        for (int i = 0; i < 12; ++i) {
            std::string name(stem);
            if (i) name.append(" ").append(std::to_string(i));
            lists[2].push_back(name);
        }
    for (const auto& written : lists) {
        const std::vector<std::string> stored = Stored(written);
        const std::set<std::string> distinct(stored.begin(), stored.end());
        EXPECT_EQ(distinct.size(), std::set<std::string>(written.begin(), written.end()).size()) << written.front();
        for (const std::string& name : stored) {
            EXPECT_LE(name.size(), 6u) << name;
            EXPECT_FALSE(name.empty() || name.front() == ' ' || name.back() == ' ') << '"' << name << '"';
        }
    }
}

TEST(NameFit, TheReportSaysWhichNamesChangedAndToWhat) {
    const std::vector<FittedName> names = FitListNames({"KDR444 1", "KDR444 2", "ATLAS", "atlas ", "Tab\tEnd", "W/O"});
    const char* expected[] = {
        "name \"KDR444 1\" shortened to \"KDR441\"",
        "name \"KDR444 2\" shortened to \"KDR442\"",
        "",  // fits as written
        "",  // the same upper-cased
        "name \"Tab\\tEnd\" shortened to \"TAB EN\"",  // the control shown, not sent to the terminal
        "",
    };
    ASSERT_EQ(names.size(), std::size(expected));
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(names[i].change ? names[i].change->English() : "", expected[i]) << i;
}

TEST(NameFit, ControlCharactersBecomeBlanksAndAreShownInReports) {
    const struct { std::string text; std::optional<std::string> plain; std::string shown; } cases[] = {
        {"Flight Test itinerant \t", "Flight Test itinerant  ", "Flight Test itinerant \\t"},
        {"a\x1b[1mb", "a [1mb", "a\\x1B[1mb"},
        {"del\x7f", "del ", "del\\x7F"},
        {"c1 \xC2\x85 end", "c1   end", "c1 \xC2\x85 end"},
        {"plain Ü", std::nullopt, "plain Ü"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithoutControlCharacters(c.text), c.plain) << c.shown;
        EXPECT_EQ(ShownWithControls(c.text), c.shown);
    }
}

}  // namespace
}  // namespace wrk7
