#pragma once

// The model of one IEC 61850 server as its SCL description gives it: the IED
// with its logical devices, logical nodes, data objects, data attributes and
// data sets, each item carrying the object reference the client table stores
// ("IED1LD0/LLN0.Mod.stVal"; no separator between IED name and ldInst).
// Read once, never written back; no XML is kept after reading.

#include "platform/core/TObject.h"

#include <QString>

#include <memory>
#include <vector>

class QTreeWidgetItem;

class TIEC_DA;
class TIEC_DO;

template <class T> using TIEC_List = std::vector<std::unique_ptr<T>>;

class TIEC_DA : public TObject {
public:
    QString fReference;
    QString fFC;
    QString fbType;
    QString fName;
    TIEC_List<TIEC_DA> List_DA; // basic-data attributes of a structure
    QTreeWidgetItem* TreeNode = nullptr;

    // Depth-first: an attribute of that name, else the first match below it.
    TIEC_DA* Find_DA(const QString& DA_Name) const;
    // The first leaf below this attribute; this one when it has no children.
    TIEC_DA* Find_First_DA();
};

class TIEC_DO : public TObject {
public:
    QString fName;
    TIEC_List<TIEC_DO> List_DO; // sub-data objects
    TIEC_List<TIEC_DA> List_DA;
    QTreeWidgetItem* TreeNode = nullptr;

    TIEC_DO* Find_DO(const QString& DO_Name) const;
    TIEC_DA* Find_DA(const QString& DA_Name) const;
    TIEC_DA* Find_First_DA() const;
};

class TIEC_DataSet : public TObject {
public:
    QString fName;
    QString fReference;
    QString fGooseName;
    std::vector<TIEC_DA*> List_DA; // the model's attributes, not owned
    QTreeWidgetItem* TreeNode = nullptr;
};

class TIEC_LN : public TObject {
public:
    QString flnClass;
    QString flnType;
    QString fPrefix;
    QString fInst;
    TIEC_List<TIEC_DO> List_DO;
    TIEC_List<TIEC_DataSet> List_DataSet;
    QTreeWidgetItem* TreeNode = nullptr;

    TIEC_DO* Find_DO(const QString& DO_Name) const;
};

class TIEC_LDevice : public TObject {
public:
    QString fName;
    TIEC_List<TIEC_LN> List_LN;
    QTreeWidgetItem* TreeNode = nullptr;

    // The first node of the class, whatever its prefix and instance.
    TIEC_LN* Find_LN(const QString& LN_Class) const;
    // The node matching all three; else the first of the class.
    TIEC_LN* Find_LN(const QString& prefix, const QString& LN_Class, const QString& inst) const;
};

class TIEC_Device : public TObject {
public:
    // Reads the SCL file; null with the reason in `error` when the file is
    // not readable XML or its types loop, nest too deep or fan out too far.
    static std::unique_ptr<TIEC_Device> Create(const QString& FileName_icd, QString& error);

    // A device that only keeps a catalog entry's place: the saved names and
    // no model.
    static std::unique_ptr<TIEC_Device> Placeholder(const QString& name, const QString& fileName);

    QString fName;
    QString fFileName;
    TIEC_List<TIEC_LDevice> List_LDevice;
    QTreeWidgetItem* TreeNode = nullptr;
    bool Placeholder_Only = false;

    TIEC_LDevice* Find_LDevice(const QString& LD_Name) const;
};

// Limits that keep a hostile file from exhausting the stack or memory.
constexpr int IEC_Max_Type_Depth = 64;
constexpr int IEC_Max_Model_Items = 1000000;
