#pragma once

#include <string>

#include "core/design/design.h"

// The information window as it is designed: black, with the help text on the left, the link to
// the maker's page at the top right, the banner below it and the name strip on the right edge.
struct InfoWindowDesign {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight; // twips
    Rgb background;

    // Text1: read-only, several lines, a vertical scroll bar only; white on black.
    TwipsRect textPlace;
    FontDesign textFont;
    // Label1: the link, centred, white on black, with the hand cursor.
    const char* linkCaption;
    TwipsRect linkPlace;
    FontDesign linkFont;
    const char* linkAddress;
    // Image1 shows the banner's first frame at its own size, cut by the window; Image2 the strip,
    // stretched to fill its place. Files in the resources' pictures folder.
    TwipsRect bannerPlace;
    const char* bannerFile;
    TwipsRect stripPlace;
    const char* stripFile;
    const char* cursorFile;
};

const InfoWindowDesign& infoWindowDesign();

// The help text the window's load procedure writes into Text1: its lines joined by CR LF.
std::string helpText();
