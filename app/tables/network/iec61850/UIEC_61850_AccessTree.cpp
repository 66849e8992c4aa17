// The device list, the model tree with its pictures and colours, and what a
// click in the tree selects.

#include "app/tables/network/iec61850/UIEC_61850_Access.h"

#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/TreeView.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

enum TreeImage { Img_Device, Img_LDevice, Img_LN, Img_DO, Img_DA, Img_DataSet };

// The six tree pictures, drawn once: a server box, a folder, a node card,
// a blue data object, a leaf attribute dot and a green data set list.
QList<QIcon> TreeImages()
{
    static const QList<QIcon> images = [] {
        QList<QIcon> list;
        for (int kind = Img_Device; kind <= Img_DataSet; ++kind) {
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setPen(QColor(60, 60, 60));
            switch (kind) {
            case Img_Device:
                p.setBrush(QColor(160, 160, 170));
                p.drawRect(2, 1, 11, 13);
                p.drawLine(4, 4, 11, 4);
                p.drawLine(4, 7, 11, 7);
                break;
            case Img_LDevice:
                p.setBrush(QColor(240, 200, 90));
                p.drawRect(1, 4, 14, 10);
                p.drawRect(1, 2, 6, 2);
                break;
            case Img_LN:
                p.setBrush(QColor(250, 250, 250));
                p.drawRect(2, 2, 12, 12);
                p.fillRect(4, 5, 8, 2, QColor(60, 60, 60));
                p.fillRect(4, 9, 6, 2, QColor(60, 60, 60));
                break;
            case Img_DO:
                p.setBrush(QColor(40, 90, 220));
                p.drawEllipse(2, 2, 11, 11);
                break;
            case Img_DA:
                p.setBrush(QColor(120, 190, 120));
                p.drawEllipse(4, 4, 7, 7);
                break;
            default:
                p.setBrush(QColor(0, 128, 0));
                for (int y = 2; y < 14; y += 4)
                    p.drawRect(2, y, 11, 2);
                break;
            }
            list << QIcon(pixmap);
        }
        return list;
    }();
    return images;
}

// The colour a node is drawn in: data objects blue, data sets green.
TColor NodeColour(int image)
{
    return image == Img_DO ? TColor(0xFF0000) : image == Img_DataSet ? TColor(0x008000) : clBlack;
}

QTreeWidgetItem* AddNode(TTreeView* tree, QTreeWidgetItem* parent, const QString& text, int image, TObject* data)
{
    QTreeWidgetItem* node = tree->AddChild(parent, text, image, data);
    TTreeView::SetNodeColor(node, NodeColour(image));
    return node;
}

void AddAttribute(TTreeView* tree, QTreeWidgetItem* parent, TIEC_DA& da)
{
    da.TreeNode = AddNode(tree, parent, da.fName, Img_DA, &da);
    for (const auto& bda : da.List_DA)
        AddAttribute(tree, da.TreeNode, *bda);
}

void AddDataObject(TTreeView* tree, QTreeWidgetItem* parent, TIEC_DO& dobj)
{
    dobj.TreeNode = AddNode(tree, parent, dobj.fName, Img_DO, &dobj);
    for (const auto& sub : dobj.List_DO)
        AddDataObject(tree, dobj.TreeNode, *sub);
    for (const auto& da : dobj.List_DA)
        AddAttribute(tree, dobj.TreeNode, *da);
}

} // namespace

void TFIEC_61850_Access::Show_IEC_Devices()
{
    LB_IEC_Devices->Items().Clear();
    for (const auto& device : List_IEC_Dev)
        LB_IEC_Devices->Items().Add(device->fName);
}

void TFIEC_61850_Access::Show_Tree_IEC_Device(TIEC_Device* device)
{
    TV_IEC_Device->Clear();
    TV_IEC_Device->SetImages(TreeImages());
    device->TreeNode = AddNode(TV_IEC_Device, nullptr, device->fName, Img_Device, device);
    device->TreeNode->setExpanded(true);
    for (const auto& ld : device->List_LDevice) {
        ld->TreeNode = AddNode(TV_IEC_Device, device->TreeNode, ld->fName, Img_LDevice, ld.get());
        ld->TreeNode->setExpanded(true);
        for (const auto& ln : ld->List_LN) {
            ln->TreeNode = AddNode(TV_IEC_Device, ld->TreeNode, ln->fPrefix + ln->flnClass + ln->fInst, Img_LN, ln.get());
            for (const auto& dobj : ln->List_DO)
                AddDataObject(TV_IEC_Device, ln->TreeNode, *dobj);
            for (const auto& ds : ln->List_DataSet)
                ds->TreeNode = AddNode(TV_IEC_Device, ln->TreeNode, ds->fName, Img_DataSet, ds.get());
            ln->TreeNode->setExpanded(true);
        }
    }
}

TIEC_Device* TFIEC_61850_Access::selectedDevice() const
{
    const int index = LB_IEC_Devices->ItemIndex();
    return index >= 0 && index < int(List_IEC_Dev.size()) ? List_IEC_Dev[index].get() : nullptr;
}

void TFIEC_61850_Access::LB_IEC_DevicesClick(TObject*)
{
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    if (TIEC_Device* device = selectedDevice())
        Show_Tree_IEC_Device(device);
}

// The tree shows only the listed device, so a node's own object is the one
// the searches would find there.
void TFIEC_61850_Access::TV_IEC_DeviceClick(TObject*)
{
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    QTreeWidgetItem* node = TV_IEC_Device->Selected();
    QTreeWidgetItem* root = node;
    while (root && root->parent())
        root = root->parent();
    if (!node || !selectedDevice() || TTreeView::Data(root) != selectedDevice())
        return;
    TObject* data = TTreeView::Data(node);
    const int image = TTreeView::ImageIndex(node);
    if (auto* da = dynamic_cast<TIEC_DA*>(data); da && image == Img_DA && da->List_DA.empty())
        Selected_IEC_DA = da;
    else if (auto* ds = dynamic_cast<TIEC_DataSet*>(data); ds && image == Img_DataSet)
        Selected_IEC_DS = ds;
}
