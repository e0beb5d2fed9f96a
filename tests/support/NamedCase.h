#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <type_traits>

// The cases of a parameterised test are structs whose first member is `const char *name`. A
// test file brings in their PrintTo with `using NamedCases::PrintTo;` in the namespace of its
// case structs (argument-dependent lookup finds it there) and names its cases with `caseName`:
//     INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest, ::testing::Values(...), caseName);
// ctest then lists "Answers/CloseQuestionTest.Asks/Save  # GetParam() = Save", not its bytes.
namespace NamedCases {

template<typename Case>
concept Named = std::is_class_v<Case> && std::convertible_to<decltype(Case::name), const char *>;

// More constrained than gtest's own PrintTo, so it is chosen for every named case.
template<Named Case>
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace NamedCases

inline constexpr auto caseName = [](const auto &info) { return std::string(info.param.name); };
