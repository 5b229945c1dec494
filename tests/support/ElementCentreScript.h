#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

// A page script that answers the centre of the first element matching `selector`, in
// the page's viewport, as [x, y]: looked for in the document and then in its first
// frame, and scrolled into view first; null when it is not (yet) there.
inline QString ElementCentreScript(const QString& selector)
{
    return QStringLiteral(
               "(function(s){function find(d,dx,dy){var e=d.querySelector(s);if(!e)return null;"
               "e.scrollIntoView({block:'center'});var r=e.getBoundingClientRect();"
               "return [dx+r.left+r.width/2,dy+r.top+r.height/2];}"
               "var hit=find(document,0,0);if(hit)return hit;var f=document.querySelector('iframe,frame');"
               "if(!f||!f.contentDocument)return null;f.scrollIntoView({block:'start'});var o=f.getBoundingClientRect();"
               "return find(f.contentDocument,o.left,o.top);})(%1[0])")
        .arg(QString::fromUtf8(QJsonDocument(QJsonArray{selector}).toJson(QJsonDocument::Compact)));
}
