// SPDX-License-Identifier: GPL-3.0-or-later
// Channel and directory name boxes: lower-case letters become upper case as
// they are typed; everything else is taken as typed.
#pragma once

#include <QValidator>

namespace quorlink {

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace quorlink
