// The catalogue of every node (categories, groups, tweaks) and the fixed navigation tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallowick {

// Names every node of the tree: the index of its record in the catalogue and the data
// of its tree item.
using TweakId = std::uint32_t;
inline constexpr TweakId kTweakCount = 312;

struct TweakRecord {
    std::string name;         // title; also the key of the node's modification date
    std::string description;  // one to a few sentences
    std::uint32_t image = 0;  // index into the tree's image list (bitmap 132 + image)
    TweakId tweakId = 0;      // record n has n until a language file says otherwise
};

// The built-in description of every tweak whose handlers are not written yet. The dispatch
// knows such a tweak by its missing entry in the handler table and shows this text (or its
// translation) on the page.
inline constexpr char kNotAvailableDescription[] =
    "This tweak is not available yet in this version of Tallowick.";

// 312 records, record n describing node n. Owned by the application core.
using TweakCatalogue = std::vector<TweakRecord>;

// The records in TweakId order, with their built-in English texts.
TweakCatalogue BuildCatalogue();

enum class NodeKind { Category, Group, Tweak };

// One item of the fixed tree, in display order. The label is what the tree shows; it is
// fixed data and not taken from the record (a translation renames the record only).
struct TreeNode {
    TweakId id;
    int parent;  // index of the parent in TreeNodes(), -1 at the root
    const char* label;
    NodeKind kind;
};

// The 260 items of the tree, parents before their children, each parent's children in
// the order they are shown.
const std::vector<TreeNode>& TreeNodes();

// True for a node that has an item in the tree.
bool IsInTree(TweakId id);

// A row of a category's or group's list of tweaks.
struct GroupRow {
    TweakId tweak;
    const char* label;  // the row text where it is not the record's name, else nullptr
};

struct GroupList {
    TweakId node;
    int nameWidth;  // pixels of the "Name" column
    int dateWidth;  // pixels of the "Data Modified" column
    std::vector<GroupRow> rows;
};

// The list shown for a category or group node, or nullptr for any other node.
const GroupList* FindGroupList(TweakId node);

}  // namespace tallowick
