// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BoardPicture.h"

#include <stdexcept>


TBoard BoardFromPicture(const std::vector<std::string>& rows)
{
    const int size = int(rows.size());
    if (size < 2 || size > MaxBoardSize)
        throw std::invalid_argument("a board picture needs 2 to 20 lines");
    TBoard board;
    board.BoardSize = size;
    for (int r = 0; r < size; ++r) {
        if (int(rows[r].size()) != size)
            throw std::invalid_argument("board picture line " + std::to_string(r) + " is not "
                                        + std::to_string(size) + " cells wide: " + rows[r]);
        for (int c = 0; c < size; ++c) {
            switch (rows[r][c]) {
            case '.': board.Board[c][r] = Empty; break;
            case 'x': board.Board[c][r] = BlackDisc; break;
            case 'o': board.Board[c][r] = WhiteDisc; break;
            default:
                throw std::invalid_argument(std::string("unknown cell in board picture: ")
                                            + rows[r][c]);
            }
        }
    }
    board.CountDiscs();
    return board;
}

std::vector<std::string> BoardPicture(const TBoard& board)
{
    std::vector<std::string> rows;
    for (int r = 0; r < board.BoardSize; ++r) {
        std::string line;
        for (int c = 0; c < board.BoardSize; ++c) {
            const int cell = board.Board[c][r];
            switch (cell) {
            case Empty: line += '.'; break;
            case BlackDisc: line += 'x'; break;
            case WhiteDisc: line += 'o'; break;
            default: line += std::to_string(cell); break;
            }
        }
        rows.push_back(line);
    }
    return rows;
}

std::string BoardPictureText(const TBoard& board)
{
    std::string text;
    for (const std::string& line : BoardPicture(board))
        text += line + '\n';
    return text;
}
