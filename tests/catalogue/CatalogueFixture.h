#pragma once

#include <gtest/gtest.h>

#include "TestCatalogue.h"

// Each test on its own fresh image and catalogue.
class CatalogueTest : public ::testing::Test, public TestCatalogue {};
