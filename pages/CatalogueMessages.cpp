#include "pages/CatalogueMessages.h"

QString CatalogueFailureText(Catalogue::Failure failure, const QString& game)
{
    switch (failure) {
    case Catalogue::Failure::Locked: return QStringLiteral("游戏目录正被其他程序占用，请稍后再试。");
    case Catalogue::Failure::ReadOnly: return QStringLiteral("游戏目录无法写入。");
    case Catalogue::Failure::DiskFull: return QStringLiteral("磁盘空间不足。");
    case Catalogue::Failure::Damaged: return QStringLiteral("游戏目录文件已损坏。");
    case Catalogue::Failure::NoSuchGame: return QStringLiteral("游戏目录里没有「%1」。").arg(game);
    case Catalogue::Failure::None:
    case Catalogue::Failure::Unavailable: break;
    }
    return QStringLiteral("游戏目录无法使用。");
}
