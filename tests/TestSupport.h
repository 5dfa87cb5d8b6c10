#pragma once

// Small helpers that the Qt tests share.

#include "kit/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace testing {

using orbelle::toQString;

// Lengths as a reader counts them: Unicode code points, not UTF-16 units or bytes.
inline qsizetype codePoints(std::string_view utf8)
{
    return toQString(utf8).toUcs4().size();
}

inline QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// A click as the user makes it: pressed and released over the middle of the control.
inline void clickCentre(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Clicks the control of a window found by its object name.
inline void clickChild(QWidget* window, const char* name)
{
    auto* widget = window->findChild<QWidget*>(QLatin1String(name));
    QVERIFY2(widget, name);
    clickCentre(widget);
}

// Visible top-level windows, or only those with the given object name.
inline int visibleWindows(const QString& name = {})
{
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        count += w->isVisible() && (name.isEmpty() || w->objectName() == name) ? 1 : 0;
    return count;
}

} // namespace testing
