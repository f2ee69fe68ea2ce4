#pragma once
// One question of a printed variant laid out as a text document: its
// number and text, its picture at print resolution, its options lettered
// in the variant's order. Texts are set as plain text: nothing in them is
// read as markup.

#include "run/attempt.h"

#include <QPaintDevice>
#include <QTextDocument>
#include <memory>

namespace vorn {

std::unique_ptr<QTextDocument> QuestionBlock(const Attempt& run, int position, QPaintDevice& device,
                                             double widthPixels);

} // namespace vorn
