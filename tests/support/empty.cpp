// Keeps the support library non-empty before it has fixtures of its own.
