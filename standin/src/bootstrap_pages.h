// The two maker pages that publish the bootstrap text between the markers
// 开始喽 and 结束喽: a blog post and a forum post. Outside the marked text the
// pages hold neither marker nor a '|', so what the client finds is exactly
// what the fault mode put there. Both are built as UTF-8; the forum's route
// converts its page to GBK.
#pragma once
#include <string>
#include <string_view>

#include "config_modes.h"

// The bootstrap text with the markers the mode calls for (nothing for Down,
// which never reaches a page).
std::string marked_text(PageMode mode, std::string_view text);

std::string blog_page(std::string_view marked);
// Declares charset=gbk in its head.
std::string forum_page(std::string_view marked);
