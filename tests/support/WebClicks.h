#pragma once

// Clicks on what a web view shows, the way a person does: the pointer goes to the
// element's centre on screen and the left button is pressed and released there.
// Header-only, so only tests that show web views link the web engine.

#include "tests/support/ElementCentreScript.h"

#include <QPoint>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <optional>

// The centre of the first element matching `selector`, in view coordinates, looked for
// in the document and then in its first frame; nothing when it is not (yet) shown.
inline std::optional<QPoint> ElementCentre(QWebEngineView* view, const QString& selector, int timeoutMs = 5000)
{
    const QString script = ElementCentreScript(selector);
    // The answer may come after the wait; it must not outlive what it writes to.
    auto answer = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [answer](const QVariant& v) { *answer = v; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, timeoutMs))
        return std::nullopt;
    const QVariantList centre = answer->value().toList();
    if (centre.size() != 2)
        return std::nullopt;
    return QPoint(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
}

// Waits up to `timeoutMs` for the element to be shown, then clicks it. False when it
// never was.
inline bool ClickElement(QWebEngineView* view, const QString& selector, int timeoutMs = 15000)
{
    std::optional<QPoint> at;
    if (!QTest::qWaitFor([&] { return (at = ElementCentre(view, selector)).has_value(); }, timeoutMs))
        return false;
    // A page that just scrolled paints before it takes the click where it now shows.
    QTest::qWait(150);
    at = ElementCentre(view, selector);
    if (!at)
        return false;
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, Qt::NoModifier, *at);
    return true;
}
