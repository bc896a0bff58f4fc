// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

// A new picture of the given size and format, its pixels not yet set, for code that writes
// every pixel at once (a decoder). A large picture's memory is mapped with all
// its pages in place in one call, instead of taking one page fault per page as the pixels are
// first written, which costs a fresh picture about twice as much on the machines measured.
// A small picture is made the usual way. Either way it is an ordinary QImage: copies share it,
// and writing to a shared copy detaches it as usual.
QImage AllocateImage(QSize size, QImage::Format format);
