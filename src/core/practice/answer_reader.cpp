#include "core/practice/answer_reader.h"

#include <algorithm>
#include <stdexcept>

#include "core/numbers/characters.h"
#include "core/typing/equation_tokens.h"
#include "core/typing/refusal.h"
#include "core/typing/text_limits.h"

namespace {

// Why an answer cannot be read, in the words shown to the pupil.
class Unreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr std::string_view rootSign = "\xE2\x88\x9A";      // √
constexpr std::string_view plusMinus = "\xC2\xB1";         // ±
constexpr std::string_view approximately = "\xE2\x89\x88"; // ≈

// One sign of an answer, from the equation's tokens and the signs only answers have.
struct Piece {
    enum class Kind {
        Number,
        Word,
        Plus,
        Minus,
        PlusMinus,
        Times,
        Divide,
        Power,
        Open,
        Close,
        Equals,
        Approximately,
        Root
    };
    Kind kind;
    std::string text;
    std::size_t place = 0;
    Rational value;
    bool decimal = false;
    bool joined = false; // written straight after the piece before, without a blank

    std::size_t end() const { return place + text.size(); }
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return lower;
}

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Subscript names written plainly, and "x1,2" as one name, "x12", so that its comma separates
// nothing.
std::string plainNames(std::string text) {
    replaceAll(text, "\xE2\x82\x81", "1"); // ₁
    replaceAll(text, "\xE2\x82\x82", "2"); // ₂
    for (std::size_t at = 1; at + 2 < text.size(); ++at) {
        if (isLetter(text[at - 1]) && text[at] == '1' &&
            (text[at + 1] == ',' || text[at + 1] == '/') && text[at + 2] == '2')
            text.erase(at + 1, 1);
    }
    return text;
}

bool wordAt(const std::string& text, std::size_t at, std::string_view word) {
    return text.compare(at, word.size(), word) == 0 && (at == 0 || !isLetter(text[at - 1])) &&
           (at + word.size() == text.size() || !isLetter(text[at + word.size()]));
}

// The items between the separators: "," (";" with a decimal comma), ";" where it is no decimal
// separator, a new line, "and", "or".
std::vector<std::string> splitItems(const std::string& text, const NumberLocale& locale) {
    const bool decimalComma = locale.decimalSeparator == ",";
    std::vector<std::string> items(1);
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == ';' || c == '\n' || (c == ',' && !decimalComma)) {
            items.emplace_back();
            ++at;
        } else if (wordAt(text, at, "and") || wordAt(text, at, "or")) {
            items.emplace_back();
            at += text[at] == 'a' ? 3 : 2;
        } else {
            items.back() += c;
            ++at;
        }
    }
    return items;
}

Piece::Kind pieceKind(Token::Kind kind) {
    switch (kind) {
    case Token::Kind::Number:
        return Piece::Kind::Number;
    case Token::Kind::Letter:
        return Piece::Kind::Word;
    case Token::Kind::Plus:
        return Piece::Kind::Plus;
    case Token::Kind::Minus:
        return Piece::Kind::Minus;
    case Token::Kind::Times:
        return Piece::Kind::Times;
    case Token::Kind::Divide:
        return Piece::Kind::Divide;
    case Token::Kind::Open:
        return Piece::Kind::Open;
    case Token::Kind::Close:
        return Piece::Kind::Close;
    case Token::Kind::Equals:
        return Piece::Kind::Equals;
    default:
        return Piece::Kind::Power;
    }
}

// A piece after the pieces so far: letters written together make a word, "+-" is "±".
void addPiece(std::vector<Piece>& pieces, Piece piece) {
    if (!pieces.empty()) {
        Piece& last = pieces.back();
        piece.joined = last.end() == piece.place;
        if (piece.joined && last.kind == Piece::Kind::Word && piece.kind == Piece::Kind::Word) {
            last.text += piece.text;
            if (last.text == "sqrt")
                last.kind = Piece::Kind::Root;
            return;
        }
        if (piece.joined && last.kind == Piece::Kind::Plus && piece.kind == Piece::Kind::Minus) {
            last.kind = Piece::Kind::PlusMinus;
            last.text += piece.text;
            return;
        }
    }
    pieces.push_back(std::move(piece));
}

// The equation's tokens of a part of the item without "√", "±" or "≈".
void addTokens(std::vector<Piece>& pieces, const std::string& item, std::size_t from,
               std::size_t to, const NumberLocale& locale) {
    const std::string_view part = std::string_view(item).substr(from, to - from);
    std::vector<Token> tokens;
    try {
        tokens = equationTokens(part, locale);
    } catch (const Refusal& refusal) {
        const std::string what = refusal.what();
        const std::string_view sign = part.substr(refusal.place(), refusal.length());
        if (sign == ",")
            throw Unreadable("With a decimal comma, \",\" is part of a number: write \";\" "
                             "between the roots.");
        if (what.ends_with("cannot stand in an equation"))
            throw Unreadable(characterSubject(part, refusal.place(), true) +
                             " cannot stand in an answer.");
        throw Unreadable(what + ".");
    }
    for (const Token& token : tokens) {
        if (token.kind == Token::Kind::Separator)
            continue;
        const std::string text(part.substr(token.place, token.length));
        Piece piece{pieceKind(token.kind), text, from + token.place, token.value};
        piece.decimal =
            token.kind == Token::Kind::Number &&
            !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        addPiece(pieces, piece);
    }
}

std::vector<Piece> piecesOf(const std::string& item, const NumberLocale& locale) {
    std::vector<Piece> pieces;
    std::size_t from = 0;
    for (std::size_t at = 0; at < item.size();) {
        const std::string_view rest = std::string_view(item).substr(at);
        Piece::Kind kind;
        std::string_view sign;
        if (rest.starts_with(rootSign)) {
            kind = Piece::Kind::Root, sign = rootSign;
        } else if (rest.starts_with(plusMinus)) {
            kind = Piece::Kind::PlusMinus, sign = plusMinus;
        } else if (rest.starts_with(approximately)) {
            kind = Piece::Kind::Approximately, sign = approximately;
        } else {
            ++at;
            continue;
        }
        addTokens(pieces, item, from, at, locale);
        addPiece(pieces, {kind, std::string(sign), at, 0, false, false});
        at += sign.size();
        from = at;
    }
    addTokens(pieces, item, from, item.size(), locale);
    return pieces;
}

// Reads the pieces of one item: its names, then its numbers, exact and after "≈".
class ItemReader {
public:
    // separator: what goes between items, "," or ";".
    ItemReader(const std::vector<Piece>& pieces, std::string separator, char& parameter)
        : m_pieces(pieces), m_separator(std::move(separator)), m_parameter(parameter) {}

    std::vector<AnswerItem> items() {
        const std::string name = names();
        std::vector<AnswerItem> read;
        bool approximate = false;
        while (true) {
            if (!atEnd() && !at(Piece::Kind::Approximately)) {
                AnswerItem item{name, {}, approximate};
                const Value value = expression();
                item.values.push_back(value.centre + value.spread);
                if (value.twoWays)
                    item.values.push_back(value.centre - value.spread);
                read.push_back(item);
            }
            if (atEnd())
                break;
            if (!at(Piece::Kind::Approximately))
                unexpected();
            ++m_at;
            approximate = true;
        }
        return read;
    }

private:
    // centre ± spread, or the centre alone.
    struct Value {
        AnswerNumber centre, spread;
        bool twoWays = false;
    };

    bool atEnd() const { return m_at >= m_pieces.size(); }
    bool at(Piece::Kind kind) const { return !atEnd() && m_pieces[m_at].kind == kind; }

    // "x =", "x1 =", "x1 = x2 =": the names before the numbers.
    std::string names() {
        std::vector<std::string> found;
        while (true) {
            std::size_t next = m_at;
            if (next >= m_pieces.size() || m_pieces[next].kind != Piece::Kind::Word ||
                m_pieces[next].text.size() != 1)
                break;
            std::string name = m_pieces[next++].text;
            if (next < m_pieces.size() && m_pieces[next].kind == Piece::Kind::Number &&
                m_pieces[next].joined &&
                (m_pieces[next].text == "1" || m_pieces[next].text == "2" ||
                 m_pieces[next].text == "12"))
                name += m_pieces[next++].text;
            if (next >= m_pieces.size() || (m_pieces[next].kind != Piece::Kind::Equals &&
                                            m_pieces[next].kind != Piece::Kind::Approximately))
                break;
            found.push_back(name);
            m_at = next;
            if (m_pieces[next].kind == Piece::Kind::Equals)
                ++m_at;
        }
        if (found.size() > 1)
            return found[0].substr(0, 1) + "12";
        return found.empty() ? "" : found[0];
    }

    [[noreturn]] void unexpected() const {
        const Piece& piece = m_pieces[m_at];
        if (piece.kind == Piece::Kind::Close)
            throw Unreadable("A bracket \")\" has no \"(\" before it.");
        if (piece.kind == Piece::Kind::Number)
            throw Unreadable("A sign is missing before " + excerpt(piece.text) + ".");
        if (piece.kind == Piece::Kind::Equals)
            throw Unreadable("Write \"" + m_separator + "\" between two answers.");
        throw Unreadable("\"" + excerpt(piece.text) + "\" cannot stand there.");
    }

    static Value plain(const AnswerNumber& number) { return {number, AnswerNumber{}, false}; }

    static Value sum(const Value& p, const Value& q) {
        if (p.twoWays && q.twoWays)
            throw Unreadable("Write \"±\" only once in a number.");
        return {p.centre + q.centre, p.twoWays ? p.spread : q.spread, p.twoWays || q.twoWays};
    }
    static Value negated(const Value& p) { return {-p.centre, p.spread, p.twoWays}; }
    static Value product(const Value& p, const Value& q) {
        if (p.twoWays && q.twoWays)
            throw Unreadable("Write \"±\" only once in a number.");
        return {p.centre * q.centre, p.twoWays ? p.spread * q.centre : p.centre * q.spread,
                p.twoWays || q.twoWays};
    }
    static Value quotient(const Value& p, const Value& q) {
        if (q.twoWays)
            throw Unreadable("\"±\" cannot stand below a fraction line.");
        return {p.centre / q.centre, p.spread / q.centre, p.twoWays};
    }

    Value expression() {
        Value value;
        if (at(Piece::Kind::PlusMinus)) {
            ++m_at;
            const Value spread = term();
            value = {AnswerNumber{}, spread.centre, true};
            if (spread.twoWays)
                throw Unreadable("Write \"±\" only once in a number.");
        } else {
            value = term();
        }
        while (!atEnd()) {
            const Piece::Kind kind = m_pieces[m_at].kind;
            if (kind == Piece::Kind::Plus) {
                ++m_at;
                value = sum(value, term());
            } else if (kind == Piece::Kind::Minus) {
                ++m_at;
                value = sum(value, negated(term()));
            } else if (kind == Piece::Kind::PlusMinus) {
                ++m_at;
                const Value spread = term();
                if (spread.twoWays)
                    throw Unreadable("Write \"±\" only once in a number.");
                value = sum(value, {AnswerNumber{}, spread.centre, true});
            } else {
                break;
            }
        }
        return value;
    }

    Value term() {
        Value value = factor();
        while (!atEnd()) {
            const Piece::Kind kind = m_pieces[m_at].kind;
            if (kind == Piece::Kind::Times) {
                ++m_at;
                value = product(value, factor());
            } else if (kind == Piece::Kind::Divide) {
                ++m_at;
                value = quotient(value, factor());
            } else if (kind == Piece::Kind::Word || kind == Piece::Kind::Root ||
                       kind == Piece::Kind::Open) {
                // "2i", "2√5", "i√3", "(√3/2)i"
                value = product(value, factor());
            } else {
                break;
            }
        }
        return value;
    }

    Value factor() {
        if (at(Piece::Kind::Minus) || at(Piece::Kind::Plus)) {
            const bool minus = at(Piece::Kind::Minus);
            ++m_at;
            const Nesting nesting(m_depth, refuseNesting);
            return minus ? negated(factor()) : factor();
        }
        const Value value = primary();
        if (at(Piece::Kind::Power))
            throw Unreadable("Write each root as a number, without powers.");
        return value;
    }

    Value primary() {
        if (atEnd()) {
            if (m_at == 0)
                throw Unreadable("A number is missing.");
            throw Unreadable("A number is missing after \"" + excerpt(m_pieces[m_at - 1].text) +
                             "\".");
        }
        const Piece& piece = m_pieces[m_at];
        switch (piece.kind) {
        case Piece::Kind::Number: {
            ++m_at;
            AnswerNumber number = AnswerNumber::rational(piece.value);
            number.decimal = piece.decimal;
            return plain(number);
        }
        case Piece::Kind::Word:
            ++m_at;
            return plain(wordValue(piece.text));
        case Piece::Kind::Root: {
            ++m_at;
            const Nesting nesting(m_depth, refuseNesting);
            if (atEnd())
                throw Unreadable("A number is missing after \"" + piece.text + "\".");
            const Value under = factor();
            if (under.twoWays || !under.centre.isRational())
                throw Unreadable("Only a number or a fraction can stand under \"√\": √5, "
                                 "√(5/4).");
            AnswerNumber root = AnswerNumber::squareRoot(under.centre.u);
            root.decimal = under.centre.decimal;
            return plain(root);
        }
        case Piece::Kind::Open: {
            ++m_at;
            const Nesting nesting(m_depth, refuseNesting);
            const Value inside = expression();
            if (!at(Piece::Kind::Close))
                throw Unreadable("A bracket \"(\" is not closed.");
            ++m_at;
            return inside;
        }
        default:
            if (piece.kind == Piece::Kind::Close)
                unexpected();
            throw Unreadable("A number is missing before \"" + excerpt(piece.text) + "\".");
        }
    }

    [[noreturn]] static void refuseNesting() {
        throw Unreadable(std::string(nestedTooDeeply) + ".");
    }

    // "i", or the letter of a general solution's parameter.
    AnswerNumber wordValue(const std::string& word) {
        if (word == "i")
            return {0, 1, 0, -1, false};
        if (word.size() != 1)
            throw Unreadable("\"" + excerpt(word) + "\" is no number.");
        if (m_parameter != 0 && m_parameter != word[0])
            throw Unreadable(std::string("Use one letter for the parameter: \"") + m_parameter +
                             "\" or \"" + word + "\".");
        m_parameter = word[0];
        return AnswerNumber::parameter();
    }

    const std::vector<Piece>& m_pieces;
    std::string m_separator;
    std::size_t m_at = 0;
    int m_depth = 0;
    char& m_parameter;
};

std::string withoutEnding(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == '!'))
        text.pop_back();
    return trimmed(text);
}

// "No solution", "none", "no real roots", "infinitely many": what the answer claims in words.
ReadAnswer::Claim claimOf(const std::string& lower, std::string& rest) {
    const std::string whole = withoutEnding(lower);
    for (const char* none : {"no solution", "no solutions", "none", "no root", "no roots",
                             "there is no solution", "there are no solutions"}) {
        if (whole == none)
            return ReadAnswer::Claim::NoSolution;
    }
    if (whole.starts_with("no real") || whole.starts_with("there is no real") ||
        whole.starts_with("there are no real"))
        return ReadAnswer::Claim::NoRealSolution;
    for (const char* many : {"infinitely many solutions", "infinitely many solution",
                             "infinitely many", "infinite solutions", "infinite"}) {
        if (whole.starts_with(many)) {
            rest = trimmed(std::string_view(whole).substr(std::string_view(many).size()));
            if (rest.starts_with(":"))
                rest = trimmed(std::string_view(rest).substr(1));
            return ReadAnswer::Claim::InfinitelyMany;
        }
    }
    rest = whole;
    return ReadAnswer::Claim::Numbers;
}

// "(2, 1)" as "2, 1": a pair in brackets, as a point is written.
std::string withoutPairBrackets(const std::string& text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')')
        return text;
    int depth = 0;
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
        if (depth == 0)
            return text;
    }
    return text.substr(1, text.size() - 2);
}

} // namespace

ReadAnswer readAnswer(std::string_view text, const NumberLocale& locale) {
    ReadAnswer answer;
    if (const std::optional<std::string> tooLong = lengthProblem(text, answerLimit, locale)) {
        answer.problem = *tooLong + ".";
        return answer;
    }
    std::string rest;
    answer.claim = claimOf(plainNames(lowered(trimmed(text))), rest);
    if (answer.claim == ReadAnswer::Claim::NoSolution ||
        answer.claim == ReadAnswer::Claim::NoRealSolution)
        return answer;
    try {
        for (const std::string& item : splitItems(withoutPairBrackets(rest), locale)) {
            if (trimmed(item).empty())
                continue;
            const std::vector<Piece> pieces = piecesOf(item, locale);
            try {
                for (AnswerItem& read :
                     ItemReader(pieces, locale.decimalSeparator == "," ? ";" : ",",
                                answer.parameter)
                         .items())
                    answer.items.push_back(std::move(read));
            } catch (const AnswerArithmetic& fault) {
                throw Unreadable("\"" + excerpt(trimmed(item)) +
                                 "\" cannot be worked out: it has " + fault.what() + ".");
            }
        }
        if (answer.items.empty() && answer.claim == ReadAnswer::Claim::Numbers)
            answer.problem = "Type your answer first.";
    } catch (const Unreadable& unreadable) {
        answer.problem = unreadable.what();
        answer.items.clear();
    }
    return answer;
}
