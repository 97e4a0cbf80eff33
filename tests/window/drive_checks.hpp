// Checks that several window suites make through the driver, each run in a
// fresh temporary directory: where the focus ends after a script, and a
// calculation that an input check refuses.
#pragma once

#include <string>

namespace testing_support {

// The focused control after `script` in a fresh run of `program`.
std::string focus_after(const std::string& program, const std::string& script);

// `script`, then 計算: one message box saying `message`, 印刷 grey and the
// used-value label `used_label` still at 0.000.
void expect_refused_calculation(const std::string& program, const std::string& script, const std::string& message,
                                const std::string& used_label);

}  // namespace testing_support
