// Finding a tree node by its words: its label, its record's name or its description,
// without regard to case, in the order the tree shows its nodes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/tweak_catalogue.h"

namespace tallowick {

class TreeSearch {
  public:
    // Takes the texts of every node of TreeNodes() once, from `catalogue` as translated.
    explicit TreeSearch(const TweakCatalogue& catalogue);

    // The first node, in tree order, at `from` or after it, wrapping round at the end, whose
    // texts contain `text`: an index into TreeNodes(). nullopt for an empty text or when
    // no node has it. `from` is an index into TreeNodes() too.
    std::optional<std::size_t> Find(std::string_view text, std::size_t from = 0) const;
    // The one after `current` in tree order, wrapping.
    std::optional<std::size_t> FindNext(std::string_view text, std::size_t current) const;

  private:
    std::vector<std::size_t> order_;     // TreeNodes() indexes in tree order
    std::vector<std::size_t> position_;  // TreeNodes() index -> place in order_
    std::vector<std::string> texts_;     // folded, by place in order_
};

}  // namespace tallowick
