// A double click as the toolkits report it: press, release, the second press marked double,
// release.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace cogitelle::test {

inline void DoubleClic(QWidget* w, QPoint p)
{
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &second);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

} // namespace cogitelle::test
