#pragma once

#include <QPushButton>

// A push button that draws its own face, so that a face colour shows under every widget style
// (Fusion and the native styles paint the face with gradients or bitmaps and ignore the colour).
// The face is the palette's Button colour: set it for a coloured button, leave it for a standard
// one. The caption is centred and wraps at word boundaries.
class ColouredButton : public QPushButton {
public:
    explicit ColouredButton(const QString& caption, QWidget* parent = nullptr);

    void setFaceColour(const QColor& colour);

    // For a face too narrow for any word: one character per line, top to bottom.
    void setStackedCaption(bool stacked);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBevel(QPainter& painter, bool sunken) const;
    void drawCaption(QPainter& painter, bool sunken) const;

    bool m_stacked = false;
};
