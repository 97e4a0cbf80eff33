// What every calculate command shares: the input checks with their
// messages, the used-value display, the flow-state text, and the messages
// for a calculation that cannot finish.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace frame {

using rt::Single;

inline const std::string kInputErrorTitle = "入力エラー";
inline const std::string kCalculationErrorTitle = "計算エラー";

enum class Rule {
  positive,      // "[ Q > 0 ] にしてください"
  not_negative,  // "[ Fb+ ≧ 0 ] にしてください"
};

struct InputCheck {
  Single value;
  Rule rule;
  std::string name;  // as the message names it: "Q", "Fb+"
};

// The message of the first check that fails, in order; nothing when all
// pass. A value held as out of range (typed beyond the single range) fails
// its own check by name before its rule is looked at.
std::optional<std::string> first_input_error(const std::vector<InputCheck>& checks);

// The message for a used value that cannot be shown rounded (its value
// times 1000 lies beyond the single range).
std::string out_of_range_message(const std::string& name);

// The flow state of a rounded Froude number: "<1 常　流", "=1 限界流",
// ">1 射　流".
std::string flow_state_text(Single fr);

// The message for a solver call that did not end in results; `what` names
// the calculation ("常流計算（Q）").
std::string solver_failure_message(const std::string& what, SolveStatus status);

}  // namespace frame
