// SPDX-License-Identifier: MIT
#include "DaysBox.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "text/Numbers.h"

namespace {
constexpr int kMin = 1;
constexpr int kMax = 365;
}  // namespace

DaysBox::DaysBox(QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), this));
    setAccelerated(true);
}

int DaysBox::Value() const {
    return ParseInt(text().toStdString());
}

void DaysBox::SetValue(int value) {
    lineEdit()->setText(QString::number(value));
}

void DaysBox::stepBy(int steps) {
    SetValue(std::clamp(Value() + steps, kMin, kMax));
}

QSize DaysBox::sizeHint() const {
    QSize size = QAbstractSpinBox::sizeHint();
    size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 36);
    return size;
}

QAbstractSpinBox::StepEnabled DaysBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (Value() < kMax) {
        enabled |= StepUpEnabled;
    }
    if (Value() > kMin) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}
