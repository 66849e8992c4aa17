// The panels of the other models of the family, built from their designs on
// first use: hidden in this model, but complete with their rows, lists and
// presets. Building them only when asked for keeps the program's start short.

#include "app/communication/UParGenPanelRows.h"
#include "app/communication/UParGenPrivate.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/Memo.h"

#include <algorithm>

using namespace pargen;

namespace {

struct BuiltRow {
    TParRowControls row;
    std::vector<TEdit*> octets;
};

bool HasCheckCaption(TParRowKind kind)
{
    return kind == TParRowKind::Check || kind == TParRowKind::Check_Edit || kind == TParRowKind::Check_Combo
        || kind == TParRowKind::Check_Address;
}

platform::TControl* BuildCaption(QWidget* surface, const TParRow& spec)
{
    if (spec.kind == TParRowKind::Lone_Edit)
        return nullptr;
    if (!HasCheckCaption(spec.kind))
        return MakeLabel(surface, spec.caption, Label_Left, spec.top);
    const int width = spec.kind == TParRowKind::Check ? Check_Width : Row_Check_Width;
    TCheckBox* check = MakeCheck(surface, spec.caption, Label_Left, spec.top, width);
    check->SetCaption(spec.checkCaption);
    return check;
}

TEdit* BuildEdit(QWidget* surface, const TParRow& spec)
{
    TEdit* edit = MakeEdit(surface, spec.input, spec.top - Input_Raise, spec.maxLength);
    if (spec.lowerCase)
        edit->SetCharCase(ecLowerCase);
    edit->SetText(spec.value);
    return edit;
}

TComboBox* BuildCombo(QWidget* surface, const TParRow& spec)
{
    TComboBox* combo = MakeCombo(surface, spec.input, spec.top - Input_Raise, spec.items);
    combo->SetItemIndex(spec.itemIndex);
    return combo;
}

void BuildInputs(QWidget* surface, const TParRow& spec, BuiltRow& built)
{
    platform::TControl* input = nullptr;
    switch (spec.kind) {
    case TParRowKind::Edit:
    case TParRowKind::Check_Edit:
    case TParRowKind::Lone_Edit:
        input = BuildEdit(surface, spec);
        break;
    case TParRowKind::Memo:
        input = MakeMemo(surface, spec.input, spec.top - Input_Raise);
        break;
    case TParRowKind::Combo:
    case TParRowKind::Check_Combo:
        input = BuildCombo(surface, spec);
        break;
    case TParRowKind::Address:
    case TParRowKind::Check_Address: {
        // The bytes of a gateway or DNS row sit level with its check box's text.
        const int raise = spec.kind == TParRowKind::Address ? Input_Raise : Input_Raise - 1;
        const TAddressEdits edits = MakeAddressRow(surface, spec.input, spec.top - raise, spec.top, spec.dots, &built.row.dots);
        built.octets.assign(edits.begin(), edits.end());
        built.row.inputs.assign(edits.begin(), edits.end());
        return;
    }
    case TParRowKind::Check:
        return;
    }
    input->SetEnabled(spec.enabled);
    if (spec.kind == TParRowKind::Lone_Edit)
        input->Hide();
    built.row.inputs.push_back(input);
}

BuiltRow BuildRow(QWidget* surface, const TParRow& spec)
{
    BuiltRow built;
    built.row.caption = BuildCaption(surface, spec);
    BuildInputs(surface, spec, built);
    return built;
}

int LowestBottom(const QWidget* surface)
{
    int bottom = 0;
    for (QObject* child : surface->children())
        if (const platform::TControl* control = platform::AsControl(child))
            bottom = std::max(bottom, control->Top() + control->Height());
    return bottom;
}

// The names of the controls a row's design makes.
QStringList ControlNames(const TParRow& spec)
{
    QStringList names;
    if (spec.kind != TParRowKind::Lone_Edit)
        names << spec.caption;
    if (spec.kind == TParRowKind::Address || spec.kind == TParRowKind::Check_Address) {
        for (int i = 1; i <= 4; ++i)
            names << OctetName(spec.input, i);
        for (int i = 1; i <= 3; ++i)
            names << DotName(spec.input, spec.dots, i);
    } else if (spec.kind != TParRowKind::Check) {
        names << spec.input;
    }
    return names;
}

// The panel of every control of the other models by the control's name, so
// that a control asked for by name builds its own panel and no other.
const QHash<QString, TParPanel>& Control_Panels()
{
    static const QHash<QString, TParPanel> panels = [] {
        QHash<QString, TParPanel> all;
        for (const TParPanelDesign& design : Par_Other_Panel_Designs())
            for (const TParRow& spec : design.rows)
                for (const QString& name : ControlNames(spec))
                    all.insert(name, design.panel);
        return all;
    }();
    return panels;
}

const TParPanelDesign& DesignOf(TParPanel panel)
{
    const std::vector<TParPanelDesign>& designs = Par_Other_Panel_Designs();
    const auto found = std::find_if(designs.begin(), designs.end(),
                                    [panel](const TParPanelDesign& design) { return design.panel == panel; });
    Q_ASSERT(found != designs.end());
    return *found;
}

} // namespace

void TFParGen::Build_Panel(const TParPanelDesign& design)
{
    TCategoryPanel* panel = MakePanel(CPG, QLatin1String(Par_Panel_Info(design.panel).name), 0);
    panel->Hide();
    panel->SetCaption(design.header);
    d->panels[size_t(design.panel)] = panel;
    QWidget* surface = panel->Surface();
    for (const TParRow& spec : design.rows) {
        const BuiltRow built = BuildRow(surface, spec);
        const platform::TControl* key = built.row.caption ? built.row.caption : built.row.inputs.front();
        d->rows.insert(key->Name(), built.row);
        for (TEdit* octet : built.octets)
            Wire_Address_Byte(octet);
    }
    for (QObject* child : surface->children())
        if (platform::TControl* control = platform::AsControl(child)) {
            Q_ASSERT(Control_Panels().value(control->Name()) == design.panel);
            d->controls.insert(control->Name(), control);
        }
    Wire_Controls(surface);
    panel->SetHeight(design.height > 0 ? design.height : LowestBottom(surface) + Panel_Bottom_Margin + CPG->HeaderHeight());
    if (d->textsSet)
        Set_Lang_Panel(design);
}

TCategoryPanel* TFParGen::Panel(TParPanel panel)
{
    if (!d->panels[size_t(panel)])
        Build_Panel(DesignOf(panel));
    return d->panels[size_t(panel)];
}

platform::TControl* TFParGen::Find_Control(const QString& name)
{
    const auto owner = Control_Panels().constFind(name);
    if (owner == Control_Panels().constEnd())
        return nullptr;
    Panel(*owner);
    return d->controls.value(name);
}

const TParRowControls& TFParGen::Data::Row(const QString& caption)
{
    static const TParRowControls none;
    form.Find_Control(caption);
    const auto found = rows.constFind(caption);
    Q_ASSERT(found != rows.constEnd());
    return found != rows.constEnd() ? *found : none;
}

void TParRowControls::SetVisible(bool visible) const
{
    for (const std::vector<platform::TControl*>* controls : {&inputs, &dots})
        for (platform::TControl* control : *controls)
            control->SetVisible(visible);
    if (caption)
        caption->SetVisible(visible);
}

void TParRowControls::Place(int& y) const
{
    SetVisible(true);
    if (caption)
        caption->SetTop(y);
    for (platform::TControl* input : inputs)
        input->SetTop(y - Input_Raise);
    for (platform::TControl* dot : dots)
        dot->SetTop(y);
    y += Row_Pitch;
}
