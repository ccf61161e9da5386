// The widget tree of a window as one line of JSON, the seed of an
// accessibility tree. Each widget is an object:
//   {"kind":"CPushButton","id":[group,id,sub],"rect":[l,t,r,b],
//    "caption":..,"hint":..,"enabled":..,"shown":..,"fill":"#rrggbb"|null,
//    "text":"#rrggbb"|null (only for kinds with a text colour),"children":[..]}
// with rectangles in window client coordinates, and "focused":true on the
// widget with the keyboard focus. The root object also tells
// what floats over the tree: "hintBox" ({"rect","text"} or null) and
// "hoverCard" (the card shown by the pointer, as a widget tree, or null).
// The kind is the widget's C++ class name, so kinds added later need no code here.
#pragma once

#include <string>

class CWidgetHost;

std::string WidgetTreeJson(const CWidgetHost& host);
