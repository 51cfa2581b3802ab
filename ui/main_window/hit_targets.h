#pragma once

#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>

// The double bull: a small black spot at the centre of the board that answers a click.
class DoubleBullSpot : public QWidget {
    Q_OBJECT
public:
    explicit DoubleBullSpot(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A number target or the bull: a small flat button whose whole face is room for its caption.
// It paints itself, as the style's padding would clip "20" in a 25 x 17 button.
class TargetButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The 62 hit targets laid over the board picture.
struct BoardTargets {
    std::array<std::array<QPushButton*, 3>, 20> numbers{};  // [number - 1][ring index]
    QPushButton* bull = nullptr;
    DoubleBullSpot* dbl_bull = nullptr;

    QPushButton* number_target(int number, int index) const { return numbers[number - 1][index]; }
};

// What a click on a target enters.
struct TargetHandlers {
    std::function<void(int number, int index)> number;
    std::function<void()> bull;
    std::function<void()> dbl_bull;
};

// Creates every target on the client area, hidden, and routes its clicks to the handlers.
// A target takes a click only while it is on view.
BoardTargets create_hit_targets(QWidget* client, const TargetHandlers& handlers);
