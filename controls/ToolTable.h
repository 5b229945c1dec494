#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QObject;

// Hover texts keyed by owner and a rectangle of the owner. Tools are only added:
// adding the same identifier again makes a second entry; the first entry added that
// holds a point wins.
class ToolTable {
public:
    struct Tool {
        const QObject* owner = nullptr;
        int id = 0;
        QRect rect;
        QString text;
    };

    void add(const QObject* owner, int id, const QRect& rect, const QString& text);
    // Forgets every tool of an owner that is gone.
    void removeOwner(const QObject* owner);
    const Tool* find(const QObject* owner, const QPoint& at) const;
    bool hasOwner(const QObject* owner) const;
    int count() const { return int(m_tools.size()); }

private:
    QList<Tool> m_tools;
};
