// SPDX-FileCopyrightText: 2026 The Sardek team
// SPDX-License-Identifier: MIT

#pragma once

#include <Velgauge/velgauge_export.h>

#include <QWidget>
#include <memory>

class QPainter;

namespace Velgauge
{

class PropertyBag;

/**
 * A sunken gauge whose bar grows with Value between MinValue and MaxValue: horizontally
 * from the left or vertically from the bottom, plain or as a colour gradient, solid or cut
 * into flat or bevelled blocks, with an optional caption drawn in ForeColor or inverted
 * against whatever lies beneath it.
 *
 * Colours are 32-bit values 0x00BBGGRR (red in the low byte). A value with the high bit set,
 * 0x80000000 + n, names classic desktop system colour n and is resolved when drawing.
 *
 * Each property's one-line help is in the class info "HelpString.<property>".
 *
 * Every setter stores the value, re-renders the bar when its look changes, schedules a
 * repaint and emits propertyChanged() once; so does QWidget::setFont(), the caption font.
 * Setting a property to its current value does nothing.
 */
class VELGAUGE_EXPORT ProgressBar : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("HelpString.Alignment", "Sets/returns the alignment of the caption.")
    Q_CLASSINFO("HelpString.BackColor", "Sets/returns the color *behind* the bar/blocks.")
    Q_CLASSINFO("HelpString.Caption", "Sets/returns the text displayed on the control.")
    Q_CLASSINFO("HelpString.Direction",
                "Sets/returns whether the control is in horizontal or vertical mode.\n"
                "Note that vertical mode only supports TrueType fonts !")
    Q_CLASSINFO("HelpString.FillColor", "Sets/returns the color of the bar/blocks.\n"
                                        "When using a gradient this is the startcolor of the "
                                        "gradient.")
    Q_CLASSINFO("HelpString.FillColorGradient",
                "Sets/returns the endcolor of the gradient when displaying a gradient "
                "bar/blocks.")
    Q_CLASSINFO("HelpString.FillMode",
                "Sets/returns whether a bar, blocks, or 3D blocks are displayed.")
    Q_CLASSINFO("HelpString.Font", "Sets/returns the font used to display the caption.\n"
                                   "Note that only TrueType fonts are supported when in "
                                   "vertical mode !")
    Q_CLASSINFO("HelpString.ForeColor", "Sets/returns the color used to display the caption.\n"
                                        "This property is ignored if InvertText is selected.")
    Q_CLASSINFO("HelpString.GradientFill", "Sets/returns whether a gradient should be used for "
                                           "the bar/blocks (if possible).")
    Q_CLASSINFO("HelpString.InvertText",
                "Sets/returns whether the caption should be displayed using inverted colors.")
    Q_CLASSINFO("HelpString.MaxValue", "Sets/returns the maximum value for the control.")
    Q_CLASSINFO("HelpString.MinValue", "Sets/returns the minimum value for the control.")
    Q_CLASSINFO("HelpString.SystemColors",
                "Returns the number of colors the system currently supports.")
    Q_CLASSINFO("HelpString.Value", "Sets/returns the current value displayed.\n"
                                    "This value must be between MinValue and MaxValue.")
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment NOTIFY propertyChanged)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor NOTIFY propertyChanged)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY propertyChanged)
    Q_PROPERTY(Direction Direction READ direction WRITE setDirection NOTIFY propertyChanged)
    Q_PROPERTY(quint32 FillColor READ fillColor WRITE setFillColor NOTIFY propertyChanged)
    Q_PROPERTY(quint32 FillColorGradient READ fillColorGradient WRITE setFillColorGradient NOTIFY
                   propertyChanged)
    Q_PROPERTY(FillMode FillMode READ fillMode WRITE setFillMode NOTIFY propertyChanged)
    Q_PROPERTY(QFont Font READ font WRITE setCaptionFont NOTIFY propertyChanged)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor NOTIFY propertyChanged)
    Q_PROPERTY(bool GradientFill READ gradientFill WRITE setGradientFill NOTIFY propertyChanged)
    Q_PROPERTY(bool InvertText READ invertText WRITE setInvertText NOTIFY propertyChanged)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue NOTIFY propertyChanged)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue NOTIFY propertyChanged)
    Q_PROPERTY(qint32 SystemColors READ systemColors CONSTANT)
    Q_PROPERTY(double Value READ value WRITE setValue NOTIFY propertyChanged)

  public:
    /// Caption position along the bar.
    enum Alignment : qint32 { alnLeft = 0, alnRight = 1, alnCenter = 2 };
    Q_ENUM(Alignment)
    /// Horizontal bars grow from the left, vertical ones from the bottom.
    enum Direction : qint32 { dirHorizontal = 0, dirVertical = 1 };
    Q_ENUM(Direction)
    enum FillMode : qint32 { fmBar = 0, fm2DBlocks = 1, fm3DBlocks = 2 };
    Q_ENUM(FillMode)
    enum EnumGradientFillDirection : qint32 { gfdTopToBottom = 0, gfdLeftToRight = 1 };
    Q_ENUM(EnumGradientFillDirection)
    enum EnumGradientFillStyle : qint32 { gfsNormal = 0, gfsMirrored = 1 };
    Q_ENUM(EnumGradientFillStyle)

    /// A new gauge: Value 50 of 0 … 100, centred empty caption, horizontal plain bar in the
    /// active-caption colour on button face, gradient on. Use the factory (ControlFactory.h)
    /// to have the caption start as the instance's name.
    explicit ProgressBar(QWidget *parent = nullptr);
    ~ProgressBar() override;

    /// alnCenter by default. Any number is accepted; values other than the three members
    /// put the caption at the start of the bar: the left edge, or the bottom edge of a
    /// vertical gauge.
    Alignment alignment() const;
    void setAlignment(Alignment alignment);

    /// Colour around and behind the bar and between blocks; 0x8000000F (button face).
    quint32 backColor() const;
    void setBackColor(quint32 color);

    QString caption() const;
    void setCaption(const QString &caption);

    /// dirHorizontal by default. Any number is accepted; all but dirHorizontal draw vertically.
    Direction direction() const;
    void setDirection(Direction direction);

    /// Bar colour and gradient start; 0x80000002 (active caption).
    quint32 fillColor() const;
    void setFillColor(quint32 color);

    /// Gradient end; starts as system colour 27 (active caption gradient) as a literal colour.
    quint32 fillColorGradient() const;
    void setFillColorGradient(quint32 color);

    /// fmBar by default. fm2DBlocks cuts the bar into flat blocks, fm3DBlocks into bevelled
    /// ones. Any number is accepted: those above fm3DBlocks draw a plain bar without blocks,
    /// 4 pixels shorter and thinner as in the block modes; those below fmBar draw as fmBar.
    FillMode fillMode() const;
    void setFillMode(FillMode mode);

    /// The caption font is the widget's own font(): this and QWidget::setFont() alike redraw
    /// and notify when the font really changes.
    void setCaptionFont(const QFont &font);

    /// Caption colour, unused while InvertText is set; 0x80000009 (caption text).
    quint32 foreColor() const;
    void setForeColor(quint32 color);

    /// True by default; gradients are drawn only on displays of 65,536 colours or more.
    bool gradientFill() const;
    void setGradientFill(bool on);

    /// False for a new gauge: the caption is drawn in ForeColor.
    bool invertText() const;
    void setInvertText(bool on);

    /// 100 by default. Lowering it below Value pulls Value down; it is not checked
    /// against MinValue.
    double maxValue() const;
    void setMaxValue(double maxValue);

    /// 0 by default. Raising it above Value pulls Value up; it is not checked against MaxValue.
    double minValue() const;
    void setMinValue(double minValue);

    /// Colours of the display, measured once at creation: 2^bits per pixel, at most 2^24.
    qint32 systemColors() const;

    /// 50 by default. A value outside MinValue … MaxValue (ends included) is refused with the
    /// desktop's beep and valueRejected(); nothing else changes.
    double value() const;
    void setValue(double value);

    /// Writes the stored entries in their fixed order, leaving out those at their defaults.
    void writeProperties(PropertyBag &bag) const;
    /// Reads the stored entries; missing ones take their defaults. Value, MaxValue and
    /// MinValue are taken as stored, without the range rules.
    void readProperties(const PropertyBag &bag);

    /// Draws the whole gauge with its top-left corner at the painter's origin. On a device
    /// of pixel ratio above 1 (a high-density screen, or a QImage given a ratio) the caption
    /// is drawn at the device's resolution; bands, blocks and border keep the gauge's own
    /// pixel geometry, each of its pixels a block of device pixels.
    void paint(QPainter &painter) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    /// A stored property changed; the host should consider its form modified.
    void propertyChanged();
    /// setValue() refused a value outside the range.
    void valueRejected(double value);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    friend struct ProgressBarInspector;
    class Private;
    std::unique_ptr<Private> const d;
};

} // namespace Velgauge
