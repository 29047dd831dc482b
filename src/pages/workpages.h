#pragma once

class TabControl;
struct PageContext;

// Puts the six work pages into the main tab control, in their order.
void buildWorkPages(TabControl &tabs, PageContext &context);
