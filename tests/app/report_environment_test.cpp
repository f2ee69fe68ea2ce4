// The environment the player starts the report's program in: its own, with
// glibc's allocator told to use huge pages, and whatever else it held kept.

#include "app/companion_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vorn;

// The faults caught: a variable of the player's environment lost on the way;
// the teacher's own tunables replaced or run together with ours (a missing
// ":"); a second GLIBC_TUNABLES, of which glibc reads only one; a choice of
// huge pages the environment already makes overridden; a tunable or a
// variable whose name only begins like ours taken for it.
TEST(ReportEnvironment, AddsHugePagesToWhatTheEnvironmentHolds) {
    struct Case {
        std::vector<const char*> given;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {{}, {"GLIBC_TUNABLES=glibc.malloc.hugetlb=1"}},
        {{"A=1", "GLIBC_TUNABLES=glibc.malloc.arena_max=2", "B=2"},
         {"A=1", "GLIBC_TUNABLES=glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1", "B=2"}},
        {{"GLIBC_TUNABLES="}, {"GLIBC_TUNABLES=glibc.malloc.hugetlb=1"}},
        {{"GLIBC_TUNABLES=glibc.malloc.check=0:glibc.malloc.hugetlb=2"},
         {"GLIBC_TUNABLES=glibc.malloc.check=0:glibc.malloc.hugetlb=2"}},
        {{"GLIBC_TUNABLES=glibc.malloc.hugetlbx=1"},
         {"GLIBC_TUNABLES=glibc.malloc.hugetlbx=1:glibc.malloc.hugetlb=1"}},
        {{"GLIBC_TUNABLES_OLD=x"},
         {"GLIBC_TUNABLES_OLD=x", "GLIBC_TUNABLES=glibc.malloc.hugetlb=1"}},
    };
    for (const Case& c : cases) {
        std::vector<const char*> environment = c.given;
        environment.push_back(nullptr);
        EXPECT_EQ(ReportEnvironment(environment.data()), c.expected)
            << (c.given.empty() ? "(empty)" : c.given.front());
    }
}
