// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractSpinBox>

// A digits-only box whose arrows run from 1 to 365, while a typed number stays as typed and
// an empty box is allowed.
class DaysBox : public QAbstractSpinBox {
public:
    explicit DaysBox(QWidget* parent);
    int Value() const;
    void SetValue(int value);
    void stepBy(int steps) override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
};
