#pragma once

#include <QColor>
#include <QPainter>

// The pictograms of the menu's icon list, by icon index. Each is drawn in white
// (with small accents) for a badge of its colour, in a 30 x 30 design square.
//
//  0 mechanical manufacturing (nut and bolt)   22 star
//  1 agriculture and nature (sprout)           23 humanities (column)
//  2 administration (document)                 24 languages (speech bubbles)
//  3 commerce and marketing (trolley)          25 communication and journalism (microphone)
//  4 reading and study (open book)             26 engineering (gear)
//  5 music (notes)                             27 engineering and architecture (compasses)
//  6 the world (globe)                         28 building and technicians (hard hat)
//  7 extractive industries (pickaxe)           29 economics (coins and rising chart)
//  8 transport and vehicles (car)              30 university degrees (mortarboard)
//  9 arts and crafts (palette)                 31 sport (ball)
// 10 ideas (light bulb)                        32 graphic arts (printer)
// 11 travel (aeroplane)                        33 electricity (lightning)
// 12 computing (screen)                        34 energy and water (drop and sun)
// 13 sciences (atom)                           35 installation and maintenance (spanner)
// 14 social services and education (adult and child)
//                                              36 image and sound (clapperboard)
// 15 research (magnifier)                      37 personal care (scissors)
// 16 health (cross)                            38 wood and furniture (chair)
// 17 law and management (scales)               39 sea and fishing (fish)
// 18 hospitality (chef's hat)                  40 safety and environment (shield and leaf)
// 19 food industries (wheat)                   41 textiles (T-shirt)
// 20 working with people (two people)          42 glass and ceramics (vase)
// 21 chemistry (flask)
namespace glyphs {

inline constexpr int kCount = 43;

QColor badgeColor(int index);
void draw(QPainter& painter, int index);

} // namespace glyphs
