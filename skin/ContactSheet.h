#pragma once

#include <QImage>
#include <QString>

// One picture showing every skin file as written below `skinFolder`, read back through
// Qt's image readers, at natural size and doubled, each with its name: the quick way to
// review the whole skin by eye.
QImage ComposeContactSheet(const QString& skinFolder);
