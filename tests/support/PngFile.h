// PNG files of test drawings, through the Windows imaging component: written for a person to look
// at, read back to compare with golden images. 24-bit, no alpha.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct PngImage
{
    int cx = 0;
    int cy = 0;
    std::vector<DWORD> pixels; // BGRX, top row first
};

// bits: cx * cy BGRX pixels, top row first. The path is a Windows path (GBK).
bool SavePng(const char* pszPath, const DWORD* pBits, int cx, int cy);
bool LoadPng(const char* pszPath, PngImage& image);
// Pixels whose RGB differs; -1 when the sizes differ.
int CountDifferentPixels(const PngImage& image, const DWORD* pBits, int cx, int cy);
// Where drawings are written to be looked at: <build>/test-images/<name>, created on demand.
std::string TestImagePath(const char* pszName);
