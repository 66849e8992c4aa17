#pragma once

// The seven header lines of an EDE file as the export writes them for the
// configuration "Plant" at 09:05:03 on 7 March 2024.
inline constexpr char EDE_Header[] =
    "PROJECT_NAME; Telvor--Plant;;;;;;\r\n"
    "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
    "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2024;;;;;;\r\n"
    "AUTHOR_OF_LAST_CHANGE;Telvor;;;;;;\r\n"
    "VERSION_OF_LAYOUT;2;;;;;;\r\n"
    "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
    "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n";
