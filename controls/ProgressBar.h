#pragma once

#include "controls/ProgressRange.h"

#include <QColor>
#include <QFont>
#include <QWidget>

// A rounded progress bar filled in proportion to Value / Max, painted in the colour
// bands of a theme, with an optional text on top (the value, the percentage or Text).
class ProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int RoundedValue READ RoundedValue WRITE setRoundedValue)
    Q_PROPERTY(int Theme READ Theme WRITE setTheme)
    Q_PROPERTY(int TextStyle READ TextStyle WRITE setTextStyle)
    Q_PROPERTY(int Orientations READ Orientations WRITE setOrientations)
    Q_PROPERTY(int TextAlignment READ TextAlignment WRITE setTextAlignment)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QColor TextEffectColor READ TextEffectColor WRITE setTextEffectColor)
    Q_PROPERTY(int TextEffect READ TextEffect WRITE setTextEffect)
    Q_PROPERTY(QColor TextForeColor READ TextForeColor WRITE setTextForeColor)
    Q_PROPERTY(QFont TextFont READ TextFont WRITE setTextFont)
    Q_PROPERTY(QColor PBSCustomeColor1 READ PBSCustomeColor1 WRITE setPBSCustomeColor1)
    Q_PROPERTY(QColor PBSCustomeColor2 READ PBSCustomeColor2 WRITE setPBSCustomeColor2)

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    int Value() const { return m_range.value(); }
    void setValue(int value);
    int Max() const { return m_range.max(); }
    void setMax(int max);
    int Min() const { return m_range.min(); }
    void setMin(int min);
    // Corner diameter of the rounded outline, in pixels.
    int RoundedValue() const { return m_rounded; }
    void setRoundedValue(int diameter);
    // 1-9 fixed colour sets, 10 the custom colours.
    int Theme() const { return m_theme; }
    void setTheme(int theme);
    // 0 no text, 1 the value, 2 the percentage, 3 Text.
    int TextStyle() const { return m_textStyle; }
    void setTextStyle(int style);
    // 1 horizontal (fills left to right), 2 vertical (fills bottom up).
    int Orientations() const { return m_orientation; }
    void setOrientations(int orientation);
    int TextAlignment() const { return m_textAlignment; }
    void setTextAlignment(int alignment);
    QString Text() const { return m_text; }
    void setText(const QString& text);
    QColor TextEffectColor() const { return m_effectColor; }
    void setTextEffectColor(const QColor& color);
    int TextEffect() const { return m_textEffect; }
    void setTextEffect(int effect);
    QColor TextForeColor() const { return m_foreColor; }
    void setTextForeColor(const QColor& color);
    QFont TextFont() const { return m_textFont; }
    void setTextFont(const QFont& font);
    QColor PBSCustomeColor1() const { return m_custom1; }
    void setPBSCustomeColor1(const QColor& color);
    QColor PBSCustomeColor2() const { return m_custom2; }
    void setPBSCustomeColor2(const QColor& color);

    // The text the bar shows now.
    QString shownText() const;
    QSize sizeHint() const override;

signals:
    // A persisted property changed (its stored name).
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void changed(const char* name);

    ProgressRange m_range;
    int m_rounded = 5;
    int m_theme = 1;
    int m_textStyle = 3;
    int m_orientation = 1;
    int m_textAlignment = 5;
    QString m_text = QStringLiteral("Q7R2 ProgressBar");
    QColor m_effectColor = Qt::white;
    int m_textEffect = 5;
    QColor m_foreColor = Qt::black;
    QFont m_textFont;
    QColor m_custom1 = QColor(64, 68, 72);
    QColor m_custom2 = QColor(41, 140, 211);
};
