#pragma once

#include <QWebEngineView>

class InertPage;
class QWebEngineProfile;

// The player's guide panel browser: shows the keyboard guide page of a game. The
// introduction comes from the site and is shown as markup only: none of its scripts
// run and the only file it reads is the key sprite. The view has no scroll bars and
// no context menu, and its text cannot be selected or dragged; the player's up and
// down buttons scroll it.
class KeyGuideView : public QWebEngineView {
    Q_OBJECT
public:
    // What one press of the player's up or down button scrolls.
    static constexpr int ScrollStep = 10;

    explicit KeyGuideView(QWidget* parent = nullptr);
    ~KeyGuideView() override;

    // Writes the guide page of a game's introduction, with the sprite from the
    // application folder of the settings record.
    void write(const QString& introduction);
    // Scrolls the guide page by (dx, dy) pixels.
    void scrollBy(int dx, int dy);

private:
    QWebEngineProfile* m_profile = nullptr;
    InertPage* m_page = nullptr;
};
