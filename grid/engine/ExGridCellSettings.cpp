// The node row settings.

#include "grid/engine/ExGridCellSettings.h"

#include "grid/engine/ExGridNotify.h"
#include "platform/picture/Bitmap.h"

TCellNode::TCellNode() : m_expandGlyph(std::make_unique<TBitmap>()), m_contractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::SetNodeType(TNodeType Value) { StoreAndNotify(this, m_nodeType, Value, OnChange); }

void TCellNode::SetExpandGlyph(const TBitmap* Value) { m_expandGlyph->Assign(Value); }

void TCellNode::SetContractGlyph(const TBitmap* Value) { m_contractGlyph->Assign(Value); }

void TCellNode::SetShowTree(bool Value) { StoreAndNotify(this, m_showTree, Value, OnChange); }

void TCellNode::SetShowTreeFull(bool Value) { StoreAndNotify(this, m_showTreeFull, Value, OnChange); }

void TCellNode::SetNodeIndent(int Value) { StoreAndNotify(this, m_nodeIndent, Value, OnChange); }

void TCellNode::SetTreeColor(TColor Value) { StoreAndNotify(this, m_treeColor, Value, OnChange); }

void TCellNode::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TCellNode*>(Source);
    if (!source || source == this)
        return;
    m_color = source->m_color;
    m_nodeType = source->m_nodeType;
    m_nodeColor = source->m_nodeColor;
    m_expandGlyph->Assign(source->m_expandGlyph.get());
    m_contractGlyph->Assign(source->m_contractGlyph.get());
    m_expandOne = source->m_expandOne;
    m_showTree = source->m_showTree;
    m_showTreeFull = source->m_showTreeFull;
    m_nodeIndent = source->m_nodeIndent;
    m_treeColor = source->m_treeColor;
}
