#pragma once

// Settings of cell content a grid owns: the look of node rows and whether an
// edited cell grows while text is typed.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <functional>
#include <memory>

class TBitmap;

enum TNodeType : int { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// How node rows draw their expand and contract marks and tree lines. The
// writers marked so repaint the grid (OnChange).
class TCellNode : public TObject {
public:
    TCellNode();
    ~TCellNode() override;
    TCellNode(const TCellNode&) = delete;
    TCellNode& operator=(const TCellNode&) = delete;

    TColor Color() const { return m_color; }
    void SetColor(TColor Value) { m_color = Value; }
    TNodeType NodeType() const { return m_nodeType; }
    void SetNodeType(TNodeType Value);
    TColor NodeColor() const { return m_nodeColor; }
    void SetNodeColor(TColor Value) { m_nodeColor = Value; }
    // Owned pictures; the writers copy the given ones.
    TBitmap* ExpandGlyph() const { return m_expandGlyph.get(); }
    void SetExpandGlyph(const TBitmap* Value);
    TBitmap* ContractGlyph() const { return m_contractGlyph.get(); }
    void SetContractGlyph(const TBitmap* Value);
    bool ExpandOne() const { return m_expandOne; }
    void SetExpandOne(bool Value) { m_expandOne = Value; }
    bool ShowTree() const { return m_showTree; }
    void SetShowTree(bool Value);
    bool ShowTreeFull() const { return m_showTreeFull; }
    void SetShowTreeFull(bool Value);
    int NodeIndent() const { return m_nodeIndent; }
    void SetNodeIndent(int Value);
    TColor TreeColor() const { return m_treeColor; }
    void SetTreeColor(TColor Value);

    // Copies every setting, the pictures by copy, from another TCellNode; any
    // other source is ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    TColor m_color = clSilver;
    TNodeType m_nodeType = cnXP;
    TColor m_nodeColor = clBlack;
    std::unique_ptr<TBitmap> m_expandGlyph;
    std::unique_ptr<TBitmap> m_contractGlyph;
    bool m_expandOne = false;
    bool m_showTree = true;
    bool m_showTreeFull = true;
    int m_nodeIndent = 12;
    TColor m_treeColor = clGray;
};

// Whether the row (Height) or column (Width) of an edited cell grows with the
// text typed.
class TSizeWhileTyping : public TObject {
public:
    bool Height() const { return m_height; }
    void SetHeight(bool Value) { m_height = Value; }
    bool Width() const { return m_width; }
    void SetWidth(bool Value) { m_width = Value; }

private:
    bool m_height = false;
    bool m_width = false;
};
