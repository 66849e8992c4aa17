#include "app/tables/network/iec61850/UIEC_Client_Decode.h"

#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

#include <QFileInfo>
#include <QHash>

using platform::XmlElement;

namespace {

using TypeIndex = QHash<QString, QList<XmlElement>>;

// Every type of the templates by kind and id, in file order, so that each
// lookup takes every match without walking the templates again.
struct TypeTemplates {
    TypeIndex lnodeTypes;
    TypeIndex doTypes;
    TypeIndex daTypes;

    explicit TypeTemplates(const XmlElement& dtt)
    {
        for (const XmlElement& type : dtt.Children()) {
            const QString name = type.Name();
            TypeIndex* index = name == QLatin1String("LNodeType") ? &lnodeTypes
                             : name == QLatin1String("DOType")    ? &doTypes
                             : name == QLatin1String("DAType")    ? &daTypes
                                                                  : nullptr;
            if (index && type.HasAttribute(QStringLiteral("id")))
                (*index)[type.Attribute(QStringLiteral("id"))] << type;
        }
    }
};

QString attr(const XmlElement& e, const char* name)
{
    return e.Attribute(QString::fromLatin1(name));
}

// Reads one file; the first fault ends the decode with its text.
class Decoder {
public:
    Decoder(const QString& path, const XmlElement& dtt) : path_(path), types_(dtt) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    void Decode_LDevice(TIEC_LDevice& ld, const XmlElement& node, const QString& reference);
    void Decode_LDevice_DataSets(TIEC_LDevice& ld, const XmlElement& node, const QString& reference,
                                 const TIEC_Device& device);

private:
    void Decode_LN(TIEC_LN& ln, const XmlElement& node, const QString& reference);
    void Decode_DO(TIEC_DO& dobj, const XmlElement& node, const QString& reference);
    void Decode_DA(TIEC_DA& da, const XmlElement& node, const QString& reference, const QString& fcFather);
    void Decode_LN_DataSet(TIEC_LN& ln, const XmlElement& node, const QString& reference, const TIEC_Device& device);
    void Decode_DataSet(TIEC_DataSet& ds, const XmlElement& node, const TIEC_Device& device, const QString& prefix);
    static void Decode_LN_Goose(TIEC_LN& ln, const XmlElement& node);

    template <class T> T* newItem(TIEC_List<T>& list);
    // Enters a type for the duration of its expansion; false (and the
    // decode failed) when it is already being expanded or nests too deep.
    bool enterType(const QString& kind, const QString& id);
    void leaveType() { typeStack_.pop_back(); }
    void fail(const QString& what);

    QString path_;
    TypeTemplates types_;
    QString error_;
    std::vector<QString> typeStack_;
    int items_ = 0;
};

void Decoder::fail(const QString& what)
{
    if (error_.isEmpty())
        error_ = QStringLiteral("%1: %2").arg(path_, what);
}

template <class T> T* Decoder::newItem(TIEC_List<T>& list)
{
    if (++items_ > IEC_Max_Model_Items) {
        fail(QStringLiteral("the model has more than %1 items").arg(IEC_Max_Model_Items));
        return nullptr;
    }
    list.push_back(std::make_unique<T>());
    return list.back().get();
}

bool Decoder::enterType(const QString& kind, const QString& id)
{
    const QString key = kind + QLatin1Char(' ') + id;
    if (std::find(typeStack_.begin(), typeStack_.end(), key) != typeStack_.end()) {
        fail(QStringLiteral("%1 \"%2\" contains itself").arg(kind, id));
        return false;
    }
    if (int(typeStack_.size()) >= IEC_Max_Type_Depth) {
        fail(QStringLiteral("%1 \"%2\" nests deeper than %3 levels").arg(kind, id).arg(IEC_Max_Type_Depth));
        return false;
    }
    typeStack_.push_back(key);
    return true;
}

bool isLogicalNode(const XmlElement& e)
{
    const QString name = e.Name();
    return name == QLatin1String("LN0") || name == QLatin1String("LN");
}

void Decoder::Decode_LDevice(TIEC_LDevice& ld, const XmlElement& node, const QString& reference)
{
    ld.fName = attr(node, "inst");
    const QString ref = reference + ld.fName;
    for (const XmlElement& child : node.Children()) {
        if (failed())
            return;
        if (!isLogicalNode(child))
            continue;
        if (TIEC_LN* ln = newItem(ld.List_LN))
            Decode_LN(*ln, child, ref);
    }
}

void Decoder::Decode_LDevice_DataSets(TIEC_LDevice& ld, const XmlElement& node, const QString& reference,
                                      const TIEC_Device& device)
{
    const QString ref = reference + ld.fName;
    size_t k = 0;
    for (const XmlElement& child : node.Children()) {
        if (failed() || k >= ld.List_LN.size())
            return;
        if (isLogicalNode(child))
            Decode_LN_DataSet(*ld.List_LN[k++], child, ref, device);
    }
}

void Decoder::Decode_LN(TIEC_LN& ln, const XmlElement& node, const QString& reference)
{
    ln.flnClass = attr(node, "lnClass");
    ln.flnType = attr(node, "lnType");
    ln.fPrefix = attr(node, "prefix");
    ln.fInst = attr(node, "inst");
    const QString ref = reference + QLatin1Char('/') + ln.fPrefix + ln.flnClass + ln.fInst;
    if (ln.flnType.isEmpty())
        return;
    for (const XmlElement& type : types_.lnodeTypes.value(ln.flnType)) {
        for (const XmlElement& child : type.Children(QStringLiteral("DO"))) {
            if (failed())
                return;
            if (TIEC_DO* dobj = newItem(ln.List_DO))
                Decode_DO(*dobj, child, ref);
        }
    }
}

void Decoder::Decode_DO(TIEC_DO& dobj, const XmlElement& node, const QString& reference)
{
    dobj.fName = attr(node, "name");
    const QString ref = reference + QLatin1Char('.') + dobj.fName;
    const QString type = attr(node, "type");
    if (type.isEmpty() || !types_.doTypes.contains(type) || !enterType(QStringLiteral("DOType"), type))
        return;
    for (const XmlElement& doType : types_.doTypes.value(type)) {
        for (const XmlElement& child : doType.Children()) {
            if (failed())
                break;
            const QString name = child.Name();
            if (name == QLatin1String("SDO")) {
                if (TIEC_DO* sub = newItem(dobj.List_DO))
                    Decode_DO(*sub, child, ref);
            } else if (name == QLatin1String("DA")) {
                if (TIEC_DA* da = newItem(dobj.List_DA))
                    Decode_DA(*da, child, ref, QString());
            }
        }
    }
    leaveType();
}

void Decoder::Decode_DA(TIEC_DA& da, const XmlElement& node, const QString& reference, const QString& fcFather)
{
    da.fName = attr(node, "name");
    da.fReference = reference + QLatin1Char('.') + da.fName;
    da.fbType = attr(node, "bType");
    da.fFC = node.Attribute(QStringLiteral("fc"), fcFather);
    if (!node.HasAttribute(QStringLiteral("type")) || da.fbType == QLatin1String("Enum"))
        return;
    const QString type = attr(node, "type");
    if (!types_.daTypes.contains(type) || !enterType(QStringLiteral("DAType"), type))
        return;
    for (const XmlElement& daType : types_.daTypes.value(type)) {
        for (const XmlElement& child : daType.Children(QStringLiteral("BDA"))) {
            if (failed())
                break;
            if (TIEC_DA* bda = newItem(da.List_DA))
                Decode_DA(*bda, child, da.fReference, da.fFC);
        }
    }
    leaveType();
}

void Decoder::Decode_LN_DataSet(TIEC_LN& ln, const XmlElement& node, const QString& reference,
                                const TIEC_Device& device)
{
    ln.flnClass = attr(node, "lnClass");
    const QString prefix = reference + QLatin1Char('/') + ln.flnClass;
    if (attr(node, "lnType").isEmpty())
        return;
    for (const XmlElement& child : node.Children(QStringLiteral("DataSet"))) {
        if (failed())
            return;
        if (TIEC_DataSet* ds = newItem(ln.List_DataSet))
            Decode_DataSet(*ds, child, device, prefix);
    }
    for (const XmlElement& child : node.Children(QStringLiteral("GSEControl")))
        Decode_LN_Goose(ln, child);
}

TIEC_DA* resolveMember(const XmlElement& fcda, const TIEC_Device& device)
{
    const QString ldInst = attr(fcda, "ldInst");
    const QString lnClass = attr(fcda, "lnClass");
    const QString doName = attr(fcda, "doName");
    const QString daName = attr(fcda, "daName");
    if (ldInst.isEmpty() || lnClass.isEmpty() || doName.isEmpty())
        return nullptr;
    const TIEC_LDevice* ld = device.Find_LDevice(ldInst);
    const TIEC_LN* ln = ld ? ld->Find_LN(attr(fcda, "prefix"), lnClass, attr(fcda, "lnInst")) : nullptr;
    const TIEC_DO* dobj = ln ? ln->Find_DO(doName) : nullptr;
    if (!dobj)
        return nullptr;
    return daName.isEmpty() ? dobj->Find_First_DA() : dobj->Find_DA(daName);
}

void Decoder::Decode_DataSet(TIEC_DataSet& ds, const XmlElement& node, const TIEC_Device& device,
                             const QString& prefix)
{
    ds.fName = attr(node, "name");
    ds.fReference = prefix + QLatin1Char('.') + ds.fName;
    for (const XmlElement& fcda : node.Children(QStringLiteral("FCDA"))) {
        if (TIEC_DA* member = resolveMember(fcda, device))
            ds.List_DA.push_back(member);
    }
}

void Decoder::Decode_LN_Goose(TIEC_LN& ln, const XmlElement& node)
{
    if (!node.HasAttribute(QStringLiteral("name")) || !node.HasAttribute(QStringLiteral("datSet")))
        return;
    const QString datSet = attr(node, "datSet");
    for (const auto& ds : ln.List_DataSet) {
        if (ds->fName == datSet) {
            ds->fGooseName = attr(node, "name");
            return;
        }
    }
}

template <class T, class Pred> T* findDepthFirst(const TIEC_List<T>& list, const QString& name, Pred below)
{
    for (const auto& item : list) {
        if (item->fName == name)
            return item.get();
        if (T* found = below(*item))
            return found;
    }
    return nullptr;
}

} // namespace

TIEC_DA* TIEC_DA::Find_DA(const QString& DA_Name) const
{
    return findDepthFirst(List_DA, DA_Name, [&](const TIEC_DA& da) { return da.Find_DA(DA_Name); });
}

TIEC_DA* TIEC_DA::Find_First_DA()
{
    return List_DA.empty() ? this : List_DA.front()->Find_First_DA();
}

TIEC_DO* TIEC_DO::Find_DO(const QString& DO_Name) const
{
    return findDepthFirst(List_DO, DO_Name, [&](const TIEC_DO& d) { return d.Find_DO(DO_Name); });
}

TIEC_DA* TIEC_DO::Find_DA(const QString& DA_Name) const
{
    return findDepthFirst(List_DA, DA_Name, [&](const TIEC_DA& da) { return da.Find_DA(DA_Name); });
}

TIEC_DA* TIEC_DO::Find_First_DA() const
{
    return List_DA.empty() ? nullptr : List_DA.front()->Find_First_DA();
}

TIEC_DO* TIEC_LN::Find_DO(const QString& DO_Name) const
{
    return findDepthFirst(List_DO, DO_Name, [&](const TIEC_DO& d) { return d.Find_DO(DO_Name); });
}

TIEC_LN* TIEC_LDevice::Find_LN(const QString& LN_Class) const
{
    for (const auto& ln : List_LN) {
        if (ln->flnClass == LN_Class)
            return ln.get();
    }
    return nullptr;
}

TIEC_LN* TIEC_LDevice::Find_LN(const QString& prefix, const QString& LN_Class, const QString& inst) const
{
    for (const auto& ln : List_LN) {
        if (ln->flnClass == LN_Class && ln->fPrefix == prefix && ln->fInst == inst)
            return ln.get();
    }
    return Find_LN(LN_Class);
}

TIEC_LDevice* TIEC_Device::Find_LDevice(const QString& LD_Name) const
{
    for (const auto& ld : List_LDevice) {
        if (ld->fName == LD_Name)
            return ld.get();
    }
    return nullptr;
}

std::unique_ptr<TIEC_Device> TIEC_Device::Placeholder(const QString& name, const QString& fileName)
{
    auto device = std::make_unique<TIEC_Device>();
    device->fName = name;
    device->fFileName = fileName;
    device->Placeholder_Only = true;
    return device;
}

std::unique_ptr<TIEC_Device> TIEC_Device::Create(const QString& FileName_icd, QString& error)
{
    error.clear();
    auto device = std::make_unique<TIEC_Device>();
    device->fFileName = QFileInfo(FileName_icd).fileName();
    if (!FileExists(FileName_icd))
        return device;
    platform::XmlDocument doc;
    if (!doc.LoadFile(FileName_icd, &error))
        return nullptr;
    const XmlElement scl = doc.DocumentElement();
    if (scl.Name() != QLatin1String("SCL"))
        return device;
    const XmlElement ied = scl.Child(QStringLiteral("IED"));
    const XmlElement dtt = scl.Child(QStringLiteral("DataTypeTemplates"));
    if (ied.IsNull() || dtt.IsNull())
        return device;
    device->fName = attr(ied, "name");
    const XmlElement server = ied.Child(QStringLiteral("AccessPoint")).Child(QStringLiteral("Server"));
    if (server.IsNull())
        return device;
    Decoder decoder(FileName_icd, dtt);
    const QList<XmlElement> lDevices = server.Children(QStringLiteral("LDevice"));
    for (const XmlElement& node : lDevices) {
        device->List_LDevice.push_back(std::make_unique<TIEC_LDevice>());
        decoder.Decode_LDevice(*device->List_LDevice.back(), node, device->fName);
    }
    for (int k = 0; k < lDevices.size() && !decoder.failed(); ++k)
        decoder.Decode_LDevice_DataSets(*device->List_LDevice[k], lDevices[k], device->fName, *device);
    if (decoder.failed()) {
        error = decoder.error();
        return nullptr;
    }
    return device;
}
