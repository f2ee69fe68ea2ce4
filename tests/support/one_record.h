#pragma once
// One graded attempt at a one-question test "T", as a line of a results file.

namespace vorn::test {

inline const char* const kOneRecordLine =
    R"({"format":"vorn-results","version":1,"time":"2024-05-14T09:00:00Z","user":"u",)"
    R"("host":"h","program":"1.0","bank":{"title":"T","sha256":")"
    "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef"
    R"("},"seed":1,"score":1,"total":1,"percent":100,"verdict":null,)"
    R"("questions":[{"number":1,"chosen":"a","key":"a","right":true}],"check":null})"
    "\n";

} // namespace vorn::test
