# A picture as rows of [r, g, b] pixels, with the few drawing operations the
# button faces need: fills, lines, frames, text from the glyph table.
package Canvas;

use strict;
use warnings;
use utf8;

use Glyphs;

sub new {
    my ($class, $w, $h, $colour) = @_;
    my @px = map { [map { [@$colour] } 1 .. $w] } 1 .. $h;
    return bless { w => $w, h => $h, px => \@px }, $class;
}

sub width  { $_[0]{w} }
sub height { $_[0]{h} }
sub pixels { $_[0]{px} }

sub set {
    my ($self, $x, $y, $colour) = @_;
    return if $x < 0 || $y < 0 || $x >= $self->{w} || $y >= $self->{h};
    $self->{px}[$y][$x] = [@$colour];
}

sub get {
    my ($self, $x, $y) = @_;
    return $self->{px}[$y][$x];
}

# Fills x0..x1, y0..y1 (both ends included).
sub fill {
    my ($self, $x0, $y0, $x1, $y1, $colour) = @_;
    for my $y ($y0 .. $y1) {
        $self->set($_, $y, $colour) for $x0 .. $x1;
    }
}

sub hline { my ($self, $x0, $x1, $y, $c) = @_; $self->fill($x0, $y, $x1, $y, $c) }
sub vline { my ($self, $x, $y0, $y1, $c) = @_; $self->fill($x, $y0, $x, $y1, $c) }

# A one-pixel frame just inside x0..x1, y0..y1.
sub frame {
    my ($self, $x0, $y0, $x1, $y1, $colour) = @_;
    $self->hline($x0, $x1, $y0, $colour);
    $self->hline($x0, $x1, $y1, $colour);
    $self->vline($x0, $y0, $y1, $colour);
    $self->vline($x1, $y0, $y1, $colour);
}

# Light top and left edges, dark bottom and right ones.
sub bevel {
    my ($self, $light, $dark) = @_;
    my ($r, $b) = ($self->{w} - 1, $self->{h} - 1);
    $self->hline(0, $r, 0, $light);
    $self->vline(0, 0, $b, $light);
    $self->hline(0, $r, $b, $dark);
    $self->vline($r, 0, $b, $dark);
}

# Vertical blend from the top colour to the bottom one over y0..y1.
sub gradient {
    my ($self, $x0, $y0, $x1, $y1, $top, $bottom) = @_;
    my $span = $y1 - $y0 || 1;
    for my $y ($y0 .. $y1) {
        my $t = ($y - $y0) / $span;
        my @c = map { int($top->[$_] + ($bottom->[$_] - $top->[$_]) * $t + 0.5) } 0 .. 2;
        $self->hline($x0, $x1, $y, \@c);
    }
}

# Pixels drawn from rows of characters: '.' leaves the pixel, any other
# character is looked up in the palette.
sub stamp {
    my ($self, $x0, $y0, $rows, $palette) = @_;
    for my $y (0 .. $#$rows) {
        my @chars = split //, $rows->[$y];
        for my $x (0 .. $#chars) {
            next if $chars[$x] eq '.';
            my $colour = $palette->{$chars[$x]} or die "no colour for '$chars[$x]'\n";
            $self->set($x0 + $x, $y0 + $y, $colour);
        }
    }
}

# Text on one line, centred in x0..x1 and on the middle row given.
sub text_centred {
    my ($self, $text, $x0, $x1, $middle, $colour) = @_;
    my $width = Glyphs::text_width($text);
    my ($top, $bottom) = Glyphs::ink_rows($text);
    my $x = $x0 + int(($x1 - $x0 + 1 - $width) / 2);
    my $y = $middle - int(($top + $bottom + 1) / 2);
    $self->text_at($text, $x, $y, $colour);
}

# Text with the glyphs' top row at y.
sub text_at {
    my ($self, $text, $x, $y, $colour) = @_;
    for my $char (split //, $text) {
        my ($w, $rows) = Glyphs::glyph($char);
        for my $gy (0 .. $#$rows) {
            for my $gx (0 .. $w - 1) {
                $self->set($x + $gx, $y + $gy, $colour) if $rows->[$gy][$gx];
            }
        }
        $x += $w;
    }
    return $x;
}

# Text stacked one character under the other, centred in the picture's width
# and in y0..y1.
sub text_stacked {
    my ($self, $text, $y0, $y1, $colour) = @_;
    my @chars = split //, $text;
    my $pitch = 13;
    my $y = $y0 + int(($y1 - $y0 + 1 - $pitch * @chars) / 2);
    for my $char (@chars) {
        $self->text_centred($char, 0, $self->{w} - 1, $y + int($pitch / 2), $colour);
        $y += $pitch;
    }
}

# A copy of columns x0..x1.
sub slice {
    my ($self, $x0, $x1) = @_;
    my $part = Canvas->new($x1 - $x0 + 1, $self->{h}, [0, 0, 0]);
    for my $y (0 .. $self->{h} - 1) {
        $part->{px}[$y][$_ - $x0] = [@{$self->{px}[$y][$_]}] for $x0 .. $x1;
    }
    return $part;
}

1;
