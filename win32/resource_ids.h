// Numbers of the program's resources, shared by the resource script and the code; plain
// definitions, as the resource compiler reads them.
#pragma once

#define BH_RESOURCE_FONT 101
#define BH_RESOURCE_GUIDE 102
#define BH_RESOURCE_NOTICE 103
