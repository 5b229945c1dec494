#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;
class QWebEngineProfile;
class QWebEngineView;

// The Flash player control, over the Ruffle player in a web view of our own page,
// loaded from the application folder so that games play with no network. It offers
// the members the player window uses: LoadMovie, Playing, Menu and ScaleMode.
class ShockwaveFlash : public QWidget {
    Q_OBJECT
public:
    // `playerPage` is the local page that hosts Ruffle.
    ShockwaveFlash(QWebEngineProfile* profile, const QString& playerPage, QWidget* parent = nullptr);

    static constexpr qint64 MaxStreamedBytes = 64 << 20;

    // Replaces the movie of `layer` (only layer 0 exists) by the one at `address`: a
    // file path or an http(s) or file address. A movie on a site is fetched by the
    // program and handed to the player, at most MaxStreamedBytes of it.
    void LoadMovie(int layer, const QString& address);
    bool Playing() const { return m_playing; }
    void SetPlaying(bool playing);
    // False hides the player's context menu; takes effect with the next movie.
    bool Menu() const { return m_menu; }
    void SetMenu(bool menu);
    // 0 keeps the movie's proportions, 2 stretches it to the control.
    int ScaleMode() const { return m_scaleMode; }
    void SetScaleMode(int mode);

    QWebEngineView* view() const { return m_view; }

    // The address a movie's location stands for.
    static QUrl MovieUrl(const QString& address);

signals:
    void movieLoaded(const QString& address);
    void movieFailed(const QString& address, const QString& reason);

private:
    void run(const QString& script);
    void stream(const QUrl& url);
    void pageMessage(const QString& kind, const QString& detail);

    QWebEngineView* m_view = nullptr;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_streaming;
    QStringList m_pending;
    QString m_movie;
    bool m_ready = false;
    bool m_playing = true;
    bool m_menu = true;
    int m_scaleMode = 0;
};
