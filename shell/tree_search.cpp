#include "shell/tree_search.h"

#include <functional>

namespace tallowick {

namespace {

void FoldInto(std::string_view text, std::string* out) {
    for (char c : text)
        out->push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c);
}

}  // namespace

TreeSearch::TreeSearch(const TweakCatalogue& catalogue) {
    const std::vector<TreeNode>& nodes = TreeNodes();
    std::vector<std::vector<std::size_t>> children(nodes.size());
    std::vector<std::size_t> roots;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].parent < 0)
            roots.push_back(i);
        else
            children[static_cast<std::size_t>(nodes[i].parent)].push_back(i);
    }
    // Depth first, each node before its children: the order the user reads the tree.
    std::function<void(std::size_t)> visit = [&](std::size_t i) {
        order_.push_back(i);
        for (std::size_t child : children[i])
            visit(child);
    };
    for (std::size_t root : roots)
        visit(root);
    position_.assign(nodes.size(), 0);
    for (std::size_t place = 0; place < order_.size(); ++place) {
        const TreeNode& node = nodes[order_[place]];
        position_[order_[place]] = place;
        std::string text;
        FoldInto(node.label, &text);
        if (node.id < catalogue.size()) {
            // Separators no search text can span.
            text += '\n';
            FoldInto(catalogue[node.id].name, &text);
            text += '\n';
            FoldInto(catalogue[node.id].description, &text);
        }
        texts_.push_back(std::move(text));
    }
}

std::optional<std::size_t> TreeSearch::Find(std::string_view text, std::size_t from) const {
    if (text.empty() || order_.empty())
        return std::nullopt;
    std::string folded;
    FoldInto(text, &folded);
    const std::size_t start = from < position_.size() ? position_[from] : 0;
    for (std::size_t n = 0; n < order_.size(); ++n) {
        const std::size_t place = (start + n) % order_.size();
        if (texts_[place].find(folded) != std::string::npos)
            return order_[place];
    }
    return std::nullopt;
}

std::optional<std::size_t> TreeSearch::FindNext(std::string_view text, std::size_t current) const {
    if (current >= position_.size())
        return Find(text, 0);
    const std::size_t next = order_[(position_[current] + 1) % order_.size()];
    return Find(text, next);
}

}  // namespace tallowick
