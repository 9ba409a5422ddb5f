// SPDX-FileCopyrightText: 2026 The Sardek team
// SPDX-License-Identifier: MIT

#pragma once

#include <Velgauge/velgauge_export.h>

#include <QColor>
#include <QWidget>
#include <memory>

class QPainter;

namespace Velgauge
{

class PropertyBag;

/**
 * A sunken gauge whose bar grows with Value between MinValue and MaxValue.
 *
 * The bar grows horizontally from the left or vertically from the bottom (Direction); it is
 * plain or a colour gradient from FillColor to FillColorGradient (GradientFill), solid or cut
 * into flat or bevelled blocks (FillMode). An optional Caption is drawn in ForeColor, or in the
 * inverse of whatever lies beneath it (InvertText), at one end or in the middle (Alignment).
 *
 * Colours are 32-bit values 0x00BBGGRR (red in the low byte, as in 0x0000FF for red). A value
 * with the high bit set, 0x80000000 + n, names classic desktop system colour n (15 is button
 * face, 2 the active caption); it is resolved through a fixed table when drawing, so a gauge
 * looks the same on every machine. toColor() and fromColor() convert to and from QColor.
 *
 * Every setter stores the value, re-renders the pre-drawn bar when its look changes,
 * schedules a repaint and emits propertyChanged() once; so does QWidget::setFont(), which
 * sets the caption font. Setting a property to its current value does nothing. A change of
 * Value, MinValue or MaxValue repaints only the stretch of the bar between its old and new
 * end.
 *
 * Each property's one-line help text is in the class info "HelpString.<property>" of the
 * meta-object, for hosts that show help in a property editor.
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
    /// Where the caption sits along the bar; alnCenter by default. Redraws.
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment NOTIFY propertyChanged)
    /// Colour around and behind the bar and in the gaps between blocks; 0x8000000F
    /// (system colour 15, button face) by default. Re-renders the bar.
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor NOTIFY propertyChanged)
    /// Text drawn on the gauge; empty for a gauge made with the constructor, the instance
    /// name for one made by createControl(). Redraws.
    Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY propertyChanged)
    /// dirHorizontal (grows from the left) by default, or dirVertical (grows from the
    /// bottom, caption reading upwards). Re-renders the bar.
    Q_PROPERTY(Direction Direction READ direction WRITE setDirection NOTIFY propertyChanged)
    /// Colour of the bar, and the start of its gradient; 0x80000002 (system colour 2,
    /// active caption) by default. Re-renders the bar.
    Q_PROPERTY(quint32 FillColor READ fillColor WRITE setFillColor NOTIFY propertyChanged)
    /// End colour of the gradient, reached at 100 %; by default the literal colour of system
    /// colour 27 (active caption gradient), 0xF0CAA6. Re-renders the bar.
    Q_PROPERTY(quint32 FillColorGradient READ fillColorGradient WRITE setFillColorGradient NOTIFY
                   propertyChanged)
    /// fmBar (a solid bar) by default, fm2DBlocks or fm3DBlocks. Re-renders the bar.
    Q_PROPERTY(FillMode FillMode READ fillMode WRITE setFillMode NOTIFY propertyChanged)
    /// The caption font, which is the widget's own font(); the application's default font
    /// for a new gauge. Its point size is rounded to whole points. Redraws.
    Q_PROPERTY(QFont Font READ font WRITE setCaptionFont NOTIFY propertyChanged)
    /// Caption colour, unused while InvertText is set; 0x80000009 (system colour 9, caption
    /// text) by default. Redraws.
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor NOTIFY propertyChanged)
    /// Whether the bar runs from FillColor to FillColorGradient; true by default. Drawn as a
    /// gradient only on displays of 65,536 colours or more (SystemColors). Re-renders the bar.
    Q_PROPERTY(bool GradientFill READ gradientFill WRITE setGradientFill NOTIFY propertyChanged)
    /// Whether the caption shows the inverse (255 minus each component) of the pixels
    /// beneath it instead of ForeColor; false for a new gauge. Redraws.
    Q_PROPERTY(bool InvertText READ invertText WRITE setInvertText NOTIFY propertyChanged)
    /// Upper end of the range, in the caller's units; 100 by default. Setting it below Value
    /// pulls Value down to it; it is not checked against MinValue. Repaints the bar's end.
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue NOTIFY propertyChanged)
    /// Lower end of the range, in the caller's units; 0 by default. Setting it above Value
    /// pulls Value up to it; it is not checked against MaxValue. Repaints the bar's end.
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue NOTIFY propertyChanged)
    /// Number of colours of the display, measured once when the gauge is made: 2 to the power
    /// of its bits per pixel, the bits capped at 24 (16,777,216 on a true-colour screen).
    /// Read-only.
    Q_PROPERTY(qint32 SystemColors READ systemColors CONSTANT)
    /// The value shown, in the caller's units; 50 by default. Only values from MinValue to
    /// MaxValue (both included) are accepted: others are refused with the desktop's beep and
    /// valueRejected(). The bar fills (Value − MinValue) ÷ (MaxValue − MinValue) of its
    /// length, rounded to whole pixels; an empty range shows an empty bar. Repaints only
    /// the stretch between the bar's old and new end.
    Q_PROPERTY(double Value READ value WRITE setValue NOTIFY propertyChanged)
    /// BackColor as the colour it shows, for colour editors such as Designer's: reading
    /// resolves a system colour, writing sets BackColor to a literal colour. Not stored:
    /// forms and the property store keep the number.
    Q_PROPERTY(QColor BackColorRgb READ backColorRgb WRITE setBackColorRgb
                   STORED false NOTIFY propertyChanged)
    /// FillColor as the colour it shows; not stored, like BackColorRgb.
    Q_PROPERTY(QColor FillColorRgb READ fillColorRgb WRITE setFillColorRgb
                   STORED false NOTIFY propertyChanged)
    /// FillColorGradient as the colour it shows; not stored, like BackColorRgb.
    Q_PROPERTY(QColor FillColorGradientRgb READ fillColorGradientRgb WRITE setFillColorGradientRgb
                   STORED false NOTIFY propertyChanged)
    /// ForeColor as the colour it shows; not stored, like BackColorRgb.
    Q_PROPERTY(QColor ForeColorRgb READ foreColorRgb WRITE setForeColorRgb
                   STORED false NOTIFY propertyChanged)

  public:
    /// Where the caption sits along the bar (Alignment). Any other number is accepted too and
    /// puts the caption at the start of the bar: the left edge, or the bottom of a vertical
    /// gauge.
    enum Alignment : qint32 {
        alnLeft = 0,  ///< 3 pixels from the start of the bar (left, or bottom when vertical).
        alnRight = 1, ///< 3 pixels from the end of the bar (right, or top when vertical).
        alnCenter = 2 ///< In the middle of the bar.
    };
    Q_ENUM(Alignment)
    /// Which way the bar grows (Direction). Any number but dirHorizontal draws vertically.
    enum Direction : qint32 {
        dirHorizontal = 0, ///< From the left edge to the right.
        dirVertical = 1    ///< From the bottom edge up, the caption reading upwards.
    };
    Q_ENUM(Direction)
    /// How the bar is cut (FillMode). Numbers above fm3DBlocks draw a plain bar 4 pixels
    /// shorter and thinner, as the block modes do; numbers below fmBar draw as fmBar.
    enum FillMode : qint32 {
        fmBar = 0,      ///< One solid bar.
        fm2DBlocks = 1, ///< Flat blocks two thirds of the bar's thickness long, 2-pixel gaps.
        fm3DBlocks = 2  ///< Blocks with a light top-left and dark bottom-right bevel.
    };
    Q_ENUM(FillMode)
    /// The order in which the bands of a gradient are laid, kept for hosts that name it.
    enum EnumGradientFillDirection : qint32 {
        gfdTopToBottom = 0, ///< Bands are rows, the first at the top.
        gfdLeftToRight = 1  ///< Bands are columns, the first at the left.
    };
    Q_ENUM(EnumGradientFillDirection)
    /// How the colours of a gradient run, kept for hosts that name it.
    enum EnumGradientFillStyle : qint32 {
        gfsNormal = 0,  ///< From the start colour to the end colour.
        gfsMirrored = 1 ///< To the end colour at the middle and back towards the start colour.
    };
    Q_ENUM(EnumGradientFillStyle)

    /// A new gauge: Value 50 of 0 … 100, an empty centred caption, a horizontal bar with a
    /// gradient in the active-caption colours on button face. Use createControl() to have
    /// the caption start as the instance's name.
    explicit ProgressBar(QWidget *parent = nullptr);
    /// Releases the gauge and its pictures.
    ~ProgressBar() override;

    /// The Alignment property.
    Alignment alignment() const;
    /// Sets the Alignment property.
    void setAlignment(Alignment alignment);

    /// The BackColor property.
    quint32 backColor() const;
    /// Sets the BackColor property.
    void setBackColor(quint32 color);

    /// The Caption property.
    QString caption() const;
    /// Sets the Caption property.
    void setCaption(const QString &caption);

    /// The Direction property.
    Direction direction() const;
    /// Sets the Direction property.
    void setDirection(Direction direction);

    /// The FillColor property.
    quint32 fillColor() const;
    /// Sets the FillColor property.
    void setFillColor(quint32 color);

    /// The FillColorGradient property.
    quint32 fillColorGradient() const;
    /// Sets the FillColorGradient property.
    void setFillColorGradient(quint32 color);

    /// The FillMode property.
    FillMode fillMode() const;
    /// Sets the FillMode property.
    void setFillMode(FillMode mode);

    /// Sets the Font property, the caption font; the same as QWidget::setFont(), which
    /// likewise redraws and emits propertyChanged() when the font really changes.
    void setCaptionFont(const QFont &font);

    /// The ForeColor property.
    quint32 foreColor() const;
    /// Sets the ForeColor property.
    void setForeColor(quint32 color);

    /// The GradientFill property.
    bool gradientFill() const;
    /// Sets the GradientFill property.
    void setGradientFill(bool on);

    /// The InvertText property.
    bool invertText() const;
    /// Sets the InvertText property.
    void setInvertText(bool on);

    /// The MaxValue property.
    double maxValue() const;
    /// Sets the MaxValue property; Value follows it down when it was above.
    void setMaxValue(double maxValue);

    /// The MinValue property.
    double minValue() const;
    /// Sets the MinValue property; Value follows it up when it was below.
    void setMinValue(double minValue);

    /// The SystemColors property.
    qint32 systemColors() const;

    /// The Value property.
    double value() const;
    /// Sets the Value property, or refuses a value outside MinValue … MaxValue with the
    /// desktop's beep and valueRejected(), changing nothing. A NaN is refused too.
    void setValue(double value);

    /// Writes the stored entries to bag in their fixed order ("Alignment", "Caption",
    /// "BackColor", "Direction", "FillColor", "FillColorGradient", "FillMode", "ForeColor",
    /// "GradientFill", "InvertText", "Value", "Font", "MaxValue", "MinValue"), leaving out
    /// those at their stored defaults. The stored default of InvertText is true, so a gauge
    /// with InvertText false always writes it. Colours are stored as signed 32-bit numbers.
    void writeProperties(PropertyBag &bag) const;
    /// Reads the entries writeProperties() writes; missing ones take their stored defaults.
    /// Value, MaxValue and MinValue are taken as stored, without the range rules or a beep.
    /// Emits nothing: loading a form does not modify it.
    void readProperties(const PropertyBag &bag);

    /// Draws the whole gauge with its top-left corner at the painter's origin, for printing
    /// or pictures. On a device of pixel ratio above 1 (a high-density screen, or a QImage
    /// given a ratio) the caption is drawn at the device's resolution; bands, blocks and
    /// border keep the gauge's own pixel geometry, each of its pixels a block of device
    /// pixels.
    void paint(QPainter &painter) const;

    /// The colour a colour value shows: a literal 0x00BBGGRR as it is, a system colour
    /// 0x80000000 + n from the fixed table (black for an unknown n).
    static QColor toColor(quint32 color);
    /// The literal colour value 0x00BBGGRR of color, without its alpha.
    static quint32 fromColor(const QColor &color);

    /// The BackColorRgb property: toColor(backColor()).
    QColor backColorRgb() const { return toColor(backColor()); }
    /// Sets BackColor to the literal colour fromColor(color).
    void setBackColorRgb(const QColor &color) { setBackColor(fromColor(color)); }
    /// The FillColorRgb property: toColor(fillColor()).
    QColor fillColorRgb() const { return toColor(fillColor()); }
    /// Sets FillColor to the literal colour fromColor(color).
    void setFillColorRgb(const QColor &color) { setFillColor(fromColor(color)); }
    /// The FillColorGradientRgb property: toColor(fillColorGradient()).
    QColor fillColorGradientRgb() const { return toColor(fillColorGradient()); }
    /// Sets FillColorGradient to the literal colour fromColor(color).
    void setFillColorGradientRgb(const QColor &color) { setFillColorGradient(fromColor(color)); }
    /// The ForeColorRgb property: toColor(foreColor()).
    QColor foreColorRgb() const { return toColor(foreColor()); }
    /// Sets ForeColor to the literal colour fromColor(color).
    void setForeColorRgb(const QColor &color) { setForeColor(fromColor(color)); }

    /// 150 pixels along the bar by the caption font's height plus 8 across it.
    QSize sizeHint() const override;
    /// 6 × 6 pixels: a border and a bar of at least one pixel.
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    /// A stored property changed: the host should consider its form modified. Emitted once
    /// per setter call that changes anything, after the repaint was scheduled.
    void propertyChanged();
    /// setValue() refused value, which lies outside MinValue … MaxValue or is not a number.
    void valueRejected(double value);

  protected:
    /// Shows the picture composed for the current properties.
    void paintEvent(QPaintEvent *event) override;
    /// Schedules a repaint; the bar is re-rendered for the new size before it is shown.
    void resizeEvent(QResizeEvent *event) override;
    /// Redraws and notifies on a change of the caption font.
    void changeEvent(QEvent *event) override;

  private:
    friend struct ProgressBarInspector;
    class Private;
    std::unique_ptr<Private> const d;
};

} // namespace Velgauge
