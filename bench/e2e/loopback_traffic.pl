#!/usr/bin/perl
# Steady traffic on the loopback interface, so that the widget's download and upload figures
# move while the footprint benchmark watches it (Wine's interface table reads the Linux
# counters, loopback included). Perl because perl-base is on every Debian system.
#   loopback_traffic.pl BYTES_PER_SECOND SECONDS
use strict;
use warnings;
use IO::Socket::INET;
use Time::HiRes qw(sleep time);

my ($rate, $seconds) = @ARGV;
die "usage: loopback_traffic.pl BYTES_PER_SECOND SECONDS\n" unless defined $seconds;

my $server = IO::Socket::INET->new(LocalAddr => '127.0.0.1', LocalPort => 0, Listen => 1, ReuseAddr => 1)
  or die "loopback_traffic: cannot listen: $!\n";
my $port = $server->sockport;

my $child = fork() // die "loopback_traffic: cannot fork: $!\n";
if ($child == 0) {
  # The receiving end: reads and drops everything until the sender closes.
  my $peer = $server->accept() or exit 1;
  my $buffer;
  while (sysread($peer, $buffer, 65536)) { }
  exit 0;
}

my $client = IO::Socket::INET->new(PeerAddr => '127.0.0.1', PeerPort => $port)
  or die "loopback_traffic: cannot connect: $!\n";
# Ten chunks a second: the figures the program shows each half second stay steady.
my $chunk = 'x' x int($rate / 10);
my $end = time() + $seconds;
my $next = time();
while (time() < $end) {
  syswrite($client, $chunk) if length $chunk;
  $next += 0.1;
  my $wait = $next - time();
  sleep($wait) if $wait > 0;
}
close $client;
waitpid($child, 0);
