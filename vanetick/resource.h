// Resource identifiers of vanetick.
#pragma once

#define IDI_VANETICK 101
