#pragma once

#include <QHash>
#include <QWidget>

class QSvgRenderer;
class Scene;
struct Colour;
struct Element;

// Paints the apparatus: every visible scene element in drawing order, twips
// mapped to logical pixels so that the picture stays crisp at any device pixel
// ratio. Reads the scene, writes nothing.
class ApparatusView : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal twipsPerPixel = 15;

    explicit ApparatusView(const Scene &scene, QWidget *parent = nullptr);
    ~ApparatusView() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor resolve(Colour colour) const;
    void paintShape(QPainter &painter, const Element &e) const;
    void paintLine(QPainter &painter, const Element &e) const;
    void paintLabel(QPainter &painter, const Element &e) const;
    void paintPicture(QPainter &painter, const Element &e);

    const Scene &m_scene;
    QHash<QString, QSvgRenderer *> m_pictures;
};
