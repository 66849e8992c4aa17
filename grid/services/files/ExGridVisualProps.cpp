// The visual-properties file: one key=value line per colour, switch, number,
// font part or look of the grid, in a fixed order, in the ANSI code page. The
// writer and the reader walk one table of the properties, so that both keep
// the same keys; the reader finds names without regard to case, and a
// missing or empty colour reads as clNone.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjSearchFooter.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/core/TextEncoding.h"

#include <functional>
#include <vector>

namespace {

enum class Kind { Color, Bool, Int, Font, Enum };

struct VisualProp {
    const char* key;
    Kind kind;
    std::function<QString(TExStringGrid&)> get;
    std::function<void(TExStringGrid&, const QString&)> set;
    const char* enumNames = nullptr; // comma list, Kind::Enum only
};

// Readers of one value form; set through the property's own setter.
TColor ReadColor(const QString& Value) { return Value.isEmpty() ? clNone : StringToColor(Value); }
bool ReadBool(const QString& Value) { return Value.toUpper() == QLatin1String("TRUE"); }
QString BoolText(bool Value) { return Value ? QStringLiteral("true") : QStringLiteral("false"); }

VisualProp ColorProp(const char* key, std::function<TColor(TExStringGrid&)> get,
                     std::function<void(TExStringGrid&, TColor)> set)
{
    return {key, Kind::Color, [get](TExStringGrid& g) { return ColorToString(get(g)); },
            [set](TExStringGrid& g, const QString& v) { set(g, ReadColor(v)); }};
}

VisualProp BoolProp(const char* key, std::function<bool(TExStringGrid&)> get,
                    std::function<void(TExStringGrid&, bool)> set)
{
    return {key, Kind::Bool, [get](TExStringGrid& g) { return BoolText(get(g)); },
            [set](TExStringGrid& g, const QString& v) { set(g, ReadBool(v)); }};
}

VisualProp IntProp(const char* key, std::function<int(TExStringGrid&)> get, std::function<void(TExStringGrid&, int)> set)
{
    return {key, Kind::Int, [get](TExStringGrid& g) { return QString::number(get(g)); },
            [set](TExStringGrid& g, const QString& v) { set(g, StrToInt(v)); }};
}

// An enumeration by its names; an unknown name leaves the property alone,
// and an empty name is written for a value without one.
VisualProp EnumProp(const char* key, const char* names, std::function<int(TExStringGrid&)> get,
                    std::function<void(TExStringGrid&, int)> set)
{
    const QStringList list = QString::fromLatin1(names).split(u',');
    return {key, Kind::Enum,
            [list, get](TExStringGrid& g) {
                const int i = get(g);
                return i >= 0 && i < list.size() ? list[i] : QString();
            },
            [list, set](TExStringGrid& g, const QString& v) {
                for (int i = 0; i < list.size(); ++i)
                    if (list[i].toUpper() == v.toUpper()) {
                        set(g, i);
                        return;
                    }
            },
            names};
}

const QStringList FontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void AddFont(std::vector<VisualProp>& props, const char* key, std::function<TFont&(TExStringGrid&)> font)
{
    static std::vector<QByteArray> keys; // the four keys of each font live as long as the table
    const QByteArray base(key);
    keys.push_back(base + ".Color");
    keys.push_back(base + ".Style");
    keys.push_back(base + ".Size");
    keys.push_back(base + ".Name");
    const size_t k = keys.size() - 4;
    props.push_back(ColorProp(keys[k].constData(), [font](TExStringGrid& g) { return font(g).Color(); },
                              [font](TExStringGrid& g, TColor c) { font(g).SetColor(c); }));
    props.push_back({keys[k + 1].constData(), Kind::Font,
                     [font](TExStringGrid& g) {
                         QStringList styles;
                         for (int i = 0; i < 4; ++i)
                             if (font(g).Style().testFlag(TFontStyle(1u << i)))
                                 styles.append(FontStyleNames[i]);
                         return styles.join(u',');
                     },
                     [font](TExStringGrid& g, const QString& v) {
                         TFontStyles styles;
                         for (int i = 0; i < 4; ++i)
                             if (v.contains(FontStyleNames[i]))
                                 styles |= TFontStyle(1u << i);
                         font(g).SetStyle(styles);
                     }});
    props.push_back(IntProp(keys[k + 2].constData(), [font](TExStringGrid& g) { return font(g).Size(); },
                            [font](TExStringGrid& g, int v) { font(g).SetSize(v); }));
    props.push_back({keys[k + 3].constData(), Kind::Font, [font](TExStringGrid& g) { return font(g).Name(); },
                     [font](TExStringGrid& g, const QString& v) { font(g).SetName(v); }});
}

const std::vector<VisualProp>& Props()
{
    static const std::vector<VisualProp> props = [] {
        using G = TExStringGrid;
        std::vector<VisualProp> v;
        v.push_back(ColorProp("Color", [](G& g) { return g.Color(); }, [](G& g, TColor c) { g.SetColor(c); }));
        v.push_back(ColorProp("HintColor", [](G& g) { return g.HintColor(); }, [](G& g, TColor c) { g.SetHintColor(c); }));
        v.push_back(ColorProp("SelectionColor", [](G& g) { return g.SelectionColor(); },
                              [](G& g, TColor c) { g.SetSelectionColor(c); }));
        v.push_back(ColorProp("SelectionColorTo", [](G& g) { return g.SelectionColorTo(); },
                              [](G& g, TColor c) { g.SetSelectionColorTo(c); }));
        v.push_back(ColorProp("SelectionMirrorColor", [](G& g) { return g.SelectionMirrorColor(); },
                              [](G& g, TColor c) { g.SetSelectionMirrorColor(c); }));
        v.push_back(ColorProp("SelectionMirrorColorTo", [](G& g) { return g.SelectionMirrorColorTo(); },
                              [](G& g, TColor c) { g.SetSelectionMirrorColorTo(c); }));
        v.push_back(ColorProp("SelectionTextColor", [](G& g) { return g.SelectionTextColor(); },
                              [](G& g, TColor c) { g.SetSelectionTextColor(c); }));
        v.push_back(ColorProp("URLColor", [](G& g) { return g.URLColor(); }, [](G& g, TColor c) { g.SetURLColor(c); }));
        v.push_back(BoolProp("URLShow", [](G& g) { return g.URLShow(); }, [](G& g, bool b) { g.SetURLShow(b); }));
        v.push_back(BoolProp("URLShowInText", [](G& g) { return g.URLShowInText(); },
                             [](G& g, bool b) { g.SetURLShowInText(b); }));
        v.push_back(ColorProp("ScrollColor", [](G& g) { return g.ScrollColor(); },
                              [](G& g, TColor c) { g.SetScrollColor(c); }));
        v.push_back(ColorProp("ActiveRowColor", [](G& g) { return g.ActiveRowColor(); },
                              [](G& g, TColor c) { g.SetActiveRowColor(c); }));
        v.push_back(BoolProp("ActiveRowShow", [](G& g) { return g.ActiveRowShow(); },
                             [](G& g, bool b) { g.SetActiveRowShow(b); }));
        v.push_back(BoolProp("ActiveCellShow", [](G& g) { return g.ActiveCellShow(); },
                             [](G& g, bool b) { g.SetActiveCellShow(b); }));
        AddFont(v, "Font", [](G& g) -> TFont& { return g.Font(); });
        v.push_back(ColorProp("ActiveCellColor", [](G& g) { return g.ActiveCellColor(); },
                              [](G& g, TColor c) { g.SetActiveCellColor(c); }));
        v.push_back(ColorProp("ActiveCellColorTo", [](G& g) { return g.ActiveCellColorTo(); },
                              [](G& g, TColor c) { g.SetActiveCellColorTo(c); }));
        AddFont(v, "ActiveCellFont", [](G& g) -> TFont& { return *g.ActiveCellFont(); });
        AddFont(v, "FixedFont", [](G& g) -> TFont& { return *g.FixedFont(); });
        // Written as the property is named, read under the name the reader
        // always used; names are found without regard to case either way.
        v.push_back(ColorProp("Balloon.BackgroundColor", [](G& g) { return g.Balloon()->BackgroundColor(); },
                              [](G& g, TColor c) { g.Balloon()->SetBackgroundColor(c); }));
        v.push_back(ColorProp("Balloon.TextColor", [](G& g) { return g.Balloon()->TextColor(); },
                              [](G& g, TColor c) { g.Balloon()->SetTextColor(c); }));
        v.push_back(IntProp("Balloon.Transparency", [](G& g) { return g.Balloon()->Transparency(); },
                            [](G& g, int i) { g.Balloon()->SetTransparency(i & 0xFF); }));
        v.push_back(ColorProp("Bands.PrimaryColor", [](G& g) { return g.Bands()->PrimaryColor(); },
                              [](G& g, TColor c) { g.Bands()->SetPrimaryColor(c); }));
        v.push_back(ColorProp("Bands.SecondaryColor", [](G& g) { return g.Bands()->SecondaryColor(); },
                              [](G& g, TColor c) { g.Bands()->SetSecondaryColor(c); }));
        v.push_back(BoolProp("Bands.Active", [](G& g) { return g.Bands()->Active(); },
                             [](G& g, bool b) { g.Bands()->SetActive(b); }));
        v.push_back(ColorProp("SortSettings.IndexColor", [](G& g) { return g.SortSettings()->IndexColor(); },
                              [](G& g, TColor c) { g.SortSettings()->SetIndexColor(c); }));
        v.push_back(ColorProp("FloatingFooter.Color", [](G& g) { return g.FloatingFooter()->Color(); },
                              [](G& g, TColor c) { g.FloatingFooter()->SetColor(c); }));
        v.push_back(IntProp("ControlLook.CheckSize", [](G& g) { return g.ControlLook()->CheckSize(); },
                            [](G& g, int i) { g.ControlLook()->SetCheckSize(i); }));
        v.push_back(ColorProp("ControlLook.Color", [](G& g) { return g.ControlLook()->Color(); },
                              [](G& g, TColor c) { g.ControlLook()->SetColor(c); }));
        v.push_back(ColorProp("ControlLook.CommentColor", [](G& g) { return g.ControlLook()->CommentColor(); },
                              [](G& g, TColor c) { g.ControlLook()->SetCommentColor(c); }));
        v.push_back(EnumProp("ControlLook.ControlStyle", "csClassic,csFlat,csWinXP,csBorland,csStudio,csGlyph,csTheme",
                             [](G& g) { return int(g.ControlLook()->ControlStyle()); },
                             [](G& g, int i) { g.ControlLook()->SetControlStyle(TControlStyle(i)); }));
        v.push_back(ColorProp("ControlLook.FixedGradientFrom", [](G& g) { return g.ControlLook()->FixedGradientFrom(); },
                              [](G& g, TColor c) { g.ControlLook()->SetFixedGradientFrom(c); }));
        v.push_back(ColorProp("ControlLook.FixedGradientTo", [](G& g) { return g.ControlLook()->FixedGradientTo(); },
                              [](G& g, TColor c) { g.ControlLook()->SetFixedGradientTo(c); }));
        v.push_back(IntProp("ControlLook.RadioSize", [](G& g) { return g.ControlLook()->RadioSize(); },
                            [](G& g, int i) { g.ControlLook()->SetRadioSize(i); }));
        v.push_back(BoolProp("ControlLook.FlatButton", [](G& g) { return g.ControlLook()->FlatButton(); },
                             [](G& g, bool b) { g.ControlLook()->SetFlatButton(b); }));
        v.push_back(ColorProp("ControlLook.ProgressBorderColor",
                              [](G& g) { return g.ControlLook()->ProgressBorderColor(); },
                              [](G& g, TColor c) { g.ControlLook()->SetProgressBorderColor(c); }));
        v.push_back(BoolProp("ControlLook.ProgressXP", [](G& g) { return g.ControlLook()->ProgressXP(); },
                             [](G& g, bool b) { g.ControlLook()->SetProgressXP(b); }));
        v.push_back(EnumProp("Look", "glStandard,glSoft,glClassic,glStudio,glXP,glListView,glVista,glWin7,glOffice2007",
                             [](G& g) { return int(g.Look()); }, [](G& g, int i) { g.SetLook(TGridLook(i)); }));
        v.push_back(ColorProp("SearchFooter.Color", [](G& g) { return g.SearchFooter()->Color(); },
                              [](G& g, TColor c) { g.SearchFooter()->SetColor(c); }));
        v.push_back(ColorProp("SearchFooter.ColorTo", [](G& g) { return g.SearchFooter()->ColorTo(); },
                              [](G& g, TColor c) { g.SearchFooter()->SetColorTo(c); }));
        v.push_back(ColorProp("Grouping.HeaderColor", [](G& g) { return g.Grouping()->HeaderColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetHeaderColor(c); }));
        v.push_back(ColorProp("Grouping.HeaderColorTo", [](G& g) { return g.Grouping()->HeaderColorTo(); },
                              [](G& g, TColor c) { g.Grouping()->SetHeaderColorTo(c); }));
        v.push_back(ColorProp("Grouping.HeaderTextColor", [](G& g) { return g.Grouping()->HeaderTextColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetHeaderTextColor(c); }));
        v.push_back(BoolProp("Grouping.HeaderUnderline", [](G& g) { return g.Grouping()->HeaderUnderline(); },
                             [](G& g, bool b) { g.Grouping()->SetHeaderUnderline(b); }));
        v.push_back(ColorProp("Grouping.HeaderLineColor", [](G& g) { return g.Grouping()->HeaderLineColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetHeaderLineColor(c); }));
        v.push_back(IntProp("Grouping.HeaderLineWidth", [](G& g) { return g.Grouping()->HeaderLineWidth(); },
                            [](G& g, int i) { g.Grouping()->SetHeaderLineWidth(i); }));
        v.push_back(ColorProp("Grouping.SummaryColor", [](G& g) { return g.Grouping()->SummaryColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetSummaryColor(c); }));
        v.push_back(ColorProp("Grouping.SummaryColorTo", [](G& g) { return g.Grouping()->SummaryColorTo(); },
                              [](G& g, TColor c) { g.Grouping()->SetSummaryColorTo(c); }));
        v.push_back(ColorProp("Grouping.SummaryTextColor", [](G& g) { return g.Grouping()->SummaryTextColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetSummaryTextColor(c); }));
        v.push_back(BoolProp("Grouping.SummaryLine", [](G& g) { return g.Grouping()->SummaryLine(); },
                             [](G& g, bool b) { g.Grouping()->SetSummaryLine(b); }));
        v.push_back(ColorProp("Grouping.SummaryLineColor", [](G& g) { return g.Grouping()->SummaryLineColor(); },
                              [](G& g, TColor c) { g.Grouping()->SetSummaryLineColor(c); }));
        v.push_back(IntProp("Grouping.SummaryLineWidth", [](G& g) { return g.Grouping()->SummaryLineWidth(); },
                            [](G& g, int i) { g.Grouping()->SetSummaryLineWidth(i); }));
        v.push_back(ColorProp("GridLineColor", [](G& g) { return g.GridLineColor(); },
                              [](G& g, TColor c) { g.SetGridLineColor(c); }));
        v.push_back(ColorProp("GridFixedLineColor", [](G& g) { return g.GridFixedLineColor(); },
                              [](G& g, TColor c) { g.SetGridFixedLineColor(c); }));
        v.push_back(IntProp("BackGround.Top", [](G& g) { return g.BackGround()->Top(); },
                            [](G& g, int i) { g.BackGround()->SetTop(i); }));
        v.push_back(IntProp("BackGround.Left", [](G& g) { return g.BackGround()->Left(); },
                            [](G& g, int i) { g.BackGround()->SetLeft(i); }));
        v.push_back(EnumProp("BackGround.Display", "bdTile,bdFixed,bdGradientHorz,bdGradientVert",
                             [](G& g) { return int(g.BackGround()->Display()); },
                             [](G& g, int i) { g.BackGround()->SetDisplay(TBackGroundDisplay(i)); }));
        v.push_back(EnumProp("BackGround.Cells", "bcNormal,bcFixed,bcAll", [](G& g) { return int(g.BackGround()->Cells()); },
                             [](G& g, int i) { g.BackGround()->SetCells(TBackGroundCells(i)); }));
        v.push_back(ColorProp("BackGround.Color", [](G& g) { return g.BackGround()->Color(); },
                              [](G& g, TColor c) { g.BackGround()->SetColor(c); }));
        v.push_back(ColorProp("BackGround.ColorTo", [](G& g) { return g.BackGround()->ColorTo(); },
                              [](G& g, TColor c) { g.BackGround()->SetColorTo(c); }));
        return v;
    }();
    return props;
}

} // namespace

void TExStringGrid::SaveVisualProps(const QString& FileName)
{
    TStringList lines;
    for (const VisualProp& prop : Props())
        lines.Add(QString::fromLatin1(prop.key) + u'=' + prop.get(*this));
    if (!platform::WriteFileAtomic(FileName, platform::EncodeText(lines.Text(), TEncoding::ANSI)))
        throw Exception(QStringLiteral("Cannot Create ") + FileName);
}

void TExStringGrid::LoadVisualProps(const QString& FileName)
{
    QByteArray bytes;
    if (!platform::ReadRegularFile(FileName, 16 * 1024 * 1024, bytes))
        throw Exception(QStringLiteral("Cannot open file ") + FileName);
    TStringList lines;
    lines.SetText(platform::DecodeText(bytes));
    for (const VisualProp& prop : Props()) {
        const QString key = QString::fromLatin1(prop.key);
        const QString value = lines.Values(key);
        if (prop.kind == Kind::Enum && value.isEmpty())
            continue;
        prop.set(*this, value);
    }
    Invalidate();
}
