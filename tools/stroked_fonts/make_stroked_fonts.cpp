// make_stroked_fonts: converts Hershey font files into the graphics library's
// built-in stroked faces, written as one C++ source file. The build runs it.
//
//   make_stroked_fonts OUTPUT.cpp NOTICE.txt HERSHEY_DIR FACE...
//
// Each FACE is NAME=FILE or NAME=FILE:XSCALE:YSCALE, with scales written as
// fractions (2/3); for example SIMP=rowmans.jhf or EURO=rowmans.jhf:4/3:1/1.
// The notice (the font data's acknowledgement and conditions) heads the
// output, which carries the converted data.
//
// Stroke encoding: two bytes per stroke, bit 7 of each forming the opcode
// (2 move, 3 draw, 0 end of character) and bits 0 to 6 a coordinate in 7-bit
// two's complement; x from the first byte, y from the second.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "hershey_face.h"

namespace stroked_fonts {

namespace {

struct FaceRequest {
  std::string Name;
  std::string File;
  Scale X;
  Scale Y;
};

Scale ParseScale(const std::string& text, const std::string& argument) {
  const std::size_t slash = text.find('/');
  try {
    if (slash == std::string::npos) throw std::invalid_argument(text);
    return Scale{std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 1))};
  } catch (const std::exception&) {
    throw std::runtime_error("'" + argument + "': a scale is written N/D");
  }
}

FaceRequest ParseRequest(const std::string& argument) {
  const std::size_t equals = argument.find('=');
  const bool nameFits = equals != std::string::npos && equals >= 1 && equals <= 8 &&
                        std::all_of(argument.begin(), argument.begin() + static_cast<long>(equals),
                                    [](unsigned char c) { return std::isalnum(c) != 0; });
  if (!nameFits) {
    throw std::runtime_error("'" + argument +
                             "': expected NAME=FILE[:XSCALE:YSCALE], NAME of 1 to 8 letters or digits");
  }
  FaceRequest request{argument.substr(0, equals), argument.substr(equals + 1), {}, {}};
  const std::size_t colon = request.File.find(':');
  if (colon != std::string::npos) {
    const std::string scales = request.File.substr(colon + 1);
    request.File.resize(colon);
    const std::size_t second = scales.find(':');
    if (second == std::string::npos) throw std::runtime_error("'" + argument + "': give both scales");
    request.X = ParseScale(scales.substr(0, second), argument);
    request.Y = ParseScale(scales.substr(second + 1), argument);
  }
  return request;
}

[[nodiscard]] std::uint8_t SevenBits(int value, const FaceRequest& face, int code) {
  if (value < -64 || value > 63) {
    throw std::runtime_error(face.Name + ": character " + std::to_string(code) +
                             " reaches " + std::to_string(value) +
                             ", beyond the stroke encoding's -64 to 63");
  }
  return static_cast<std::uint8_t>(value & 0x7F);
}

// One face in the library's encoding: the stroke bytes, where each
// character's strokes begin and its advance. Codes without a glyph share the
// empty character at the start of the data.
struct EncodedFace {
  std::vector<std::uint8_t> Strokes{0, 0};
  std::vector<int> Offsets = std::vector<int>(256, 0);
  std::vector<int> Widths = std::vector<int>(256, 0);
  int Height = 0;
};

EncodedFace Encode(const Face& face, const FaceRequest& request) {
  EncodedFace encoded;
  encoded.Height = face.Height;
  for (std::size_t i = 0; i < face.Glyphs.size(); ++i) {
    const int code = FirstCode + static_cast<int>(i);
    const FaceGlyph& glyph = face.Glyphs[i];
    encoded.Offsets[static_cast<std::size_t>(code)] = static_cast<int>(encoded.Strokes.size());
    if (glyph.Width < 0 || glyph.Width > 255) {
      throw std::runtime_error(request.Name + ": character " + std::to_string(code) + " is wider than 255 units");
    }
    encoded.Widths[static_cast<std::size_t>(code)] = glyph.Width;
    for (const Path& stroke : glyph.Paths) {
      for (std::size_t k = 0; k < stroke.size(); ++k) {
        const std::uint8_t drawBit = k == 0 ? 0x00 : 0x80;
        encoded.Strokes.push_back(0x80 | SevenBits(stroke[k].X, request, code));
        encoded.Strokes.push_back(drawBit | SevenBits(stroke[k].Y, request, code));
      }
    }
    encoded.Strokes.push_back(0);
    encoded.Strokes.push_back(0);
  }
  if (encoded.Strokes.size() > 32767) {
    throw std::runtime_error(request.Name + ": more stroke data than 16-bit offsets reach");
  }
  return encoded;
}

void WriteNumbers(std::ostream& out, const std::vector<int>& numbers) {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    out << (i % 16 == 0 ? "\n    " : " ") << numbers[i] << ",";
  }
  out << "\n";
}

void WriteSource(const std::string& output, const std::string& notice,
                 const std::vector<FaceRequest>& requests, const std::vector<EncodedFace>& faces) {
  std::ostringstream out;
  out << "// The graphics library's built-in stroked faces, converted from the Hershey\n"
         "// fonts by tools/stroked_fonts/make_stroked_fonts when the library is built.\n"
         "// Do not edit: the face table is graphics/src/text/stroked_faces.cmake.\n//\n";
  std::istringstream lines(notice);
  for (std::string line; std::getline(lines, line);) out << (line.empty() ? "//" : "// " + line) << "\n";
  out << "\n#include \"text/stroked_faces.h\"\n\nnamespace graph {\n\nnamespace {\n\n";
  for (std::size_t i = 0; i < faces.size(); ++i) {
    out << "constexpr std::uint8_t kStrokes" << i << "[] = {";
    WriteNumbers(out, std::vector<int>(faces[i].Strokes.begin(), faces[i].Strokes.end()));
    out << "};\n\n";
  }

  out << "constexpr std::array<StrokedFace, " << faces.size() << "> kFaces = {{\n";
  for (std::size_t i = 0; i < faces.size(); ++i) {
    out << "  {\"" << requests[i].Name << "\", {" << LastCode - FirstCode + 1 << ", " << FirstCode
        << ", " << faces[i].Height << ", 0},\n   {{";
    WriteNumbers(out, faces[i].Offsets);
    out << "   }},\n   {{";
    WriteNumbers(out, faces[i].Widths);
    out << "   }},\n   kStrokes" << i << "},\n";
  }
  out << "}};\n\n}  // namespace\n\n"
         "std::span<const StrokedFace> BuiltInStrokedFaces() { return kFaces; }\n\n"
         "}  // namespace graph\n";

  std::ofstream file(output, std::ios::binary | std::ios::trunc);
  file << out.str();
  if (!file.flush()) throw std::runtime_error(output + ": cannot be written");
}

std::string ReadNotice(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(path + ": cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

}  // namespace stroked_fonts

int main(int argc, char** argv) {
  using namespace stroked_fonts;
  if (argc < 5) {
    std::cerr << "usage: make_stroked_fonts OUTPUT.cpp NOTICE.txt HERSHEY_DIR NAME=FILE[:XSCALE:YSCALE]...\n";
    return 2;
  }
  const std::string output = argv[1];
  try {
    const std::string notice = ReadNotice(argv[2]);
    const std::string directory = argv[3];
    std::vector<FaceRequest> requests;
    std::vector<EncodedFace> faces;
    for (int i = 4; i < argc; ++i) {
      requests.push_back(ParseRequest(argv[i]));
      const FaceRequest& request = requests.back();
      faces.push_back(Encode(ReadFace(directory + "/" + request.File, request.X, request.Y), request));
    }
    WriteSource(output, notice, requests, faces);
  } catch (const std::exception& error) {
    std::remove(output.c_str());
    std::cerr << "make_stroked_fonts: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
