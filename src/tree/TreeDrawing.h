// Drawing the tree with its decorations, back to front: the presents behind the tree, then
// each tree layer from the rearmost with the decorations hanging in it, then what stands in
// front, then the chains once more so that they lie over the branches.
#pragma once

#include <vector>

#include "tree/TElementChoinki.h"
#include "tree/TTreeStage.h"

// Every decoration but `skip` queues itself (chains draw at once, behind the tree).
void queueDecorations(const std::vector<TElementChoinkiPtr>& decorations,
                      const TElementChoinki* skip = nullptr);
// Draws the queued decorations between the tree's layers, then the chains over the tree.
void drawTreeAndDecorations(TTreeStage& stage, const std::vector<TElementChoinkiPtr>& decorations,
                            const TElementChoinki* skip = nullptr);
