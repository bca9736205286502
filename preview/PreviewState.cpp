#include "preview/PreviewState.h"

std::string DescribePreview() { return "preview none"; }
