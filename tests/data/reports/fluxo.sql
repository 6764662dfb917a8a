-- Cash book of March with a row on each side of the month.
INSERT INTO caixa (Data, es, Condicao, especie, Descricao, Credito, Debito, valor) VALUES
('2026-03-02', 'E', 'TROCO', 'AD.TROCO', 'TROCO', 100, 0, 100),
('2026-03-02', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA A VISTA', 50, 0, 50),
('2026-03-02', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA A VISTA', 25.50, 0, 25.50),
('2026-03-03', 'E', 'DINHEIRO', 'DINHEIRO', 'REFORCO DE CAIXA PARA TROCO DO DIA', 200, 0, 200),
('2026-03-05', 'E', 'Dinheiro', 'Dinheiro', 'VENDA BALCAO', 10, 0, 10),
('2026-03-04', 'S', 'SANGRIA', 'SANGRIA', 'SANGRIA COFRE', 0, 300, 300),
('2026-03-04', 'S', 'SANGRIA', 'SANGRIA', 'SANGRIA COFRE', 0, 150, 150),
('2026-03-04', 'S', 'SANGRIA', 'SANGRIA', 'SANGRIA EXTRA', 0, 20, 20),
('2026-03-05', 'S', 'SANGRIA', 'SANGRIA', 'PAGAMENTO FORNECEDOR DE AGUA', 0, 80, 80),
('2026-03-03', 'E', 'PIX', 'Pagamento Instântaneo (PIX) Estático', 'VENDA PIX', 45, 0, 45),
('2026-03-04', 'E', 'CARTÃO DE CREDITO', 'CARTAO CREDITO', 'VENDA CARTAO', 1234.56, 0, 1234.56),
('2026-04-01', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA A VISTA', 999, 0, 999),
('2026-02-28', 'S', 'SANGRIA', 'SANGRIA', 'SANGRIA COFRE', 0, 999, 999);
