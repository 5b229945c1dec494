#pragma once

#include "site/SiteCatalogue.h"

#include <QString>

// Builds every HTML page of the demo site. Addresses that leave the page whole (the
// pages a command opens, web games) are written below `siteBase`, the address the
// visitor reached the site by, ending in "/". `visitor` is the logged-in user's name,
// empty for a guest; list pages show it in their head.
class SitePages {
public:
    static constexpr int GamesPerListPage = 20;
    // What the ad pane's host looks for to tell a missing page.
    static constexpr const char* NotFoundText = "无法找到该页";

    SitePages(const SiteCatalogue& catalogue, const QString& siteBase, const QString& visitor = {});

    QString home() const;
    QString contact() const;
    QString clientDownload() const;
    QString customerService() const;
    // Amounts to choose and a form that charges nothing: the site is a demo.
    QString topUp() const;
    int flashPageCount() const;
    QString flashList(int page) const;
    QString hotRank() const;
    QString webList() const;
    QString featured() const;
    // The featured page's first frame, which holds its list.
    QString featuredFrame() const;
    QString search(const QString& words) const;
    QString gamePage(const SiteGame& game) const;
    // The user's space, sized for the launcher's narrow pane; `user` is empty when nobody is logged in.
    QString space(const QString& user) const;
    QString adRight() const;
    QString adDown() const;
    QString notFound() const;

private:
    QString strip(const QString& title, const QString& count) const;
    QString listCard(const SiteGame& game) const;
    QString listAction(const SiteGame& game) const;
    QString grid(const QList<SiteGame>& games) const;
    QString portalHeader(const QString& current) const;

    const SiteCatalogue& m_catalogue;
    QString m_siteBase;
    QString m_visitor;
};
